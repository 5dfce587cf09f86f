#include "setup/record_file.h"

#include "common/text_codec.h"
#include "common/text_file.h"
#include "common/texts.h"

namespace quellan {

RecordContents parseRecordLines(const std::vector<std::string>& lines) {
    RecordContents record;
    for (const std::string& raw : lines) {
        std::string line;
        line.reserve(raw.size());
        for (char c : raw)
            if (c != '"') line += c;
        if (line.empty()) continue;
        if (line.starts_with(texts::kPlayerPrefix)) {
            record.holder = line.substr(texts::kPlayerPrefix.size());
        } else {
            ++record.positionLines;
            record.positions.push_back(std::move(line));
        }
    }
    return record;
}

std::optional<RecordContents> readRecordFile(const std::filesystem::path& path) {
    if (!isRegularFile(path)) return std::nullopt;
    auto lines = readTextLines(path);
    if (!lines) return std::nullopt;
    return parseRecordLines(*lines);
}

namespace {

// Length of the UTF-8 sequence starting with byte `lead` (1 for a stray byte).
size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

bool isControl(std::string_view ch) {
    auto b0 = static_cast<unsigned char>(ch[0]);
    if (ch.size() == 1) return b0 < 0x20 || b0 == 0x7F;
    // C1 controls U+0080..U+009F are C2 80..C2 9F.
    return ch.size() == 2 && b0 == 0xC2 && static_cast<unsigned char>(ch[1]) < 0xA0;
}

}  // namespace

std::string cleanPlayerName(std::string_view name) {
    std::string kept;
    kept.reserve(name.size());
    for (size_t i = 0; i < name.size();) {
        size_t n = std::min(sequenceLength(static_cast<unsigned char>(name[i])), name.size() - i);
        std::string_view ch = name.substr(i, n);
        if (!isControl(ch)) kept += ch;
        i += n;
    }
    size_t b = kept.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    size_t e = kept.find_last_not_of(' ');
    return kept.substr(b, e - b + 1);
}

std::string formatRecord(std::string_view name, const MoveHistory& history) {
    std::string text;
    auto addLine = [&text](std::string_view content) {
        text += '"';
        text += content;
        text += "\"\r\n";
    };
    addLine(std::string(texts::kPlayerPrefix) + std::string(name));
    for (const std::string& entry : history.entries()) addLine(entry);
    return utf8ToGb18030(text);
}

bool writeRecordFile(const std::filesystem::path& path, std::string_view name,
                     const MoveHistory& history) {
    return replaceFileContents(path, formatRecord(name, history));
}

}  // namespace quellan
