#include "support/classic_layouts.h"

#include <algorithm>
#include <sstream>

#include "common/text_file.h"
#include "setup/layout_file.h"
#include "support/temp_dir.h"

namespace quellan::testing {

namespace fs = std::filesystem;

namespace {

const fs::path kAssets = QUELLAN_ASSETS_DIR;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
    return parts;
}

}  // namespace

fs::path classicTablePath() {
    return kAssets.parent_path() / "tools" / "data" / "classic-layouts.tsv";
}

fs::path shippedMapDir() { return kAssets / "map"; }

const std::map<std::string, ClassicLayout>& classicTable() {
    static const std::map<std::string, ClassicLayout> table = [] {
        std::map<std::string, ClassicLayout> rows;
        std::vector<std::string> lines = split(readAll(classicTablePath()), '\n');
        if (lines.empty()) return rows;
        std::vector<std::string> header = split(lines.front(), '\t');
        auto column = [&](const std::string& name) {
            return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) -
                                            header.begin());
        };
        const std::size_t name = column("name"), layout = column("layout_lines"),
                          steps = column("min_cell_steps"), states = column("reachable_states"),
                          moves = column("min_piece_moves");
        for (std::size_t i = 1; i < lines.size(); ++i) {
            std::string line = lines[i];
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::vector<std::string> fields = split(line, '\t');
            if (fields.size() < header.size()) continue;
            rows[fields[name]] = {fields[layout], std::stoi(fields[steps]),
                                  static_cast<std::size_t>(std::stoul(fields[states])),
                                  std::stoi(fields[moves])};
        }
        return rows;
    }();
    return table;
}

std::vector<std::string> shippedNames() {
    std::vector<std::string> names;
    if (!fs::is_directory(shippedMapDir())) return names;
    for (const auto& entry : fs::directory_iterator(shippedMapDir())) {
        if (entry.path().extension() == ".qlp") {
            std::u8string stem = entry.path().stem().u8string();
            names.emplace_back(stem.begin(), stem.end());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<Board> loadShipped(const std::string& name) {
    Board board;
    for (int i = 1; i <= kPieceCount; ++i) {
        board.piece(i).left = -kCell;
        board.piece(i).top = -kCell;
        board.piece(i).picture = {};
    }
    if (!applyLayoutBytes(board, readAll(shippedMapDir() / pathFromUtf8(name + ".qlp"))))
        return std::nullopt;
    return board;
}

}  // namespace quellan::testing
