#include "solve/workshop_commands.h"

#include <charconv>
#include <random>
#include <set>

#include "coach/arrangement.h"
#include "coach/distance_map.h"
#include "coach/random_layout.h"
#include "coach/share_code.h"
#include "common/text_file.h"
#include "setup/layout_file.h"
#include "solve/solve_command.h"

namespace quellan {

namespace {

constexpr const char* kWorkshopUsage =
    "用法：quellan-solve --generate 数量 --steps 最少-最多 [--seed 种子] 目录\n"
    "      quellan-solve --code 阵型文件.qlp\n"
    "      quellan-solve --decode 分享码 阵型文件.qlp\n";

std::optional<long long> number(const std::string& text) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// The layout's name in a file's own first line: the file name without its
// folder and without ".qlp", as the catalogue lists it.
std::string layoutNameOf(std::string_view file) {
    const std::size_t slash = file.find_last_of("/\\");
    if (slash != std::string_view::npos) file.remove_prefix(slash + 1);
    if (file.ends_with(".qlp")) file.remove_suffix(4);
    return std::string(file);
}

int usage(std::ostream& err) {
    err << kWorkshopUsage;
    return kSolveSomeFailed;
}

int code(const std::string& file, std::ostream& out, std::ostream& err) {
    const ArrangementRead read = readArrangement(pathFromUtf8(file));
    const auto text = read.fault == ArrangementFault::None ? shareCodeOf(read.board) : std::nullopt;
    if (!text) {
        err << "quellan-solve: " << file << "：不是可读的合规阵型文件\n";
        return kSolveSomeFailed;
    }
    out << *text << '\n';
    return kSolveAllRead;
}

int decode(const std::string& text, const std::string& file, std::ostream& err) {
    const auto board = boardFromShareCode(text);
    if (!board) {
        err << "quellan-solve: " << text << "：不是有效的分享码（六位字母或数字）\n";
        return kSolveSomeFailed;
    }
    const DistanceMap map(*board);
    switch (writeNewLayoutFile(pathFromUtf8(file), layoutNameOf(file), *board,
                               map.stepsToSolve(*board))) {
        case LayoutWrite::Written:
            return kSolveAllRead;
        case LayoutWrite::Exists:
            err << "quellan-solve: " << file << "：文件已存在，未改动\n";
            return kSolveSomeFailed;
        case LayoutWrite::Failed:
            break;
    }
    err << "quellan-solve: " << file << "：无法写入\n";
    return kSolveSomeFailed;
}

int generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<long long> count, fewest, most, seed = 1;
    std::string dir;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const bool hasValue = k + 1 < args.size();
        if (args[k] == "--generate" && hasValue) {
            count = number(args[++k]);
        } else if (args[k] == "--steps" && hasValue) {
            const std::string& band = args[++k];
            const std::size_t dash = band.find('-');
            if (dash == std::string::npos) return usage(err);
            fewest = number(band.substr(0, dash));
            most = number(band.substr(dash + 1));
        } else if (args[k] == "--seed" && hasValue) {
            seed = number(args[++k]);
        } else if (dir.empty() && !args[k].starts_with("--")) {
            dir = args[k];
        } else {
            return usage(err);
        }
    }
    if (!count || !fewest || !most || !seed || dir.empty() || *fewest > *most) return usage(err);
    std::mt19937_64 random(static_cast<std::uint64_t>(*seed));
    std::set<std::string> written;
    const StepBand band{static_cast<int>(*fewest), static_cast<int>(*most)};
    while (static_cast<long long>(written.size()) < *count) {
        const auto board = drawLayout(band, random);
        if (!board) {
            err << "quellan-solve: 找不到最少步数在 " << *fewest << "-" << *most << " 之间的阵型\n";
            return kSolveSomeFailed;
        }
        const std::string name = *shareCodeOf(*board);
        if (!written.insert(name).second) continue;
        const auto path = pathFromUtf8(dir) / pathFromUtf8(name + ".qlp");
        if (writeNewLayoutFile(path, name, *board, DistanceMap(*board).stepsToSolve(*board)) !=
            LayoutWrite::Written) {
            err << "quellan-solve: 无法写入 " << name << ".qlp\n";
            return kSolveSomeFailed;
        }
        out << name << '\n';
    }
    return kSolveAllRead;
}

}  // namespace

std::optional<int> runWorkshopCommand(const std::vector<std::string>& args, std::ostream& out,
                                      std::ostream& err) {
    if (args.empty()) return std::nullopt;
    if (args[0] == "--generate") return generate(args, out, err);
    if (args[0] == "--code") return args.size() == 2 ? code(args[1], out, err) : usage(err);
    if (args[0] == "--decode") return args.size() == 3 ? decode(args[1], args[2], err) : usage(err);
    return std::nullopt;
}

}  // namespace quellan
