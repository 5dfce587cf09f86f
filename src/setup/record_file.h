#pragma once
// The record file of a layout: the fewest steps on record, who made them and
// the whole winning path. Line 1 is the quoted player line "玩家：" + name;
// every further line is one quoted position entry, entry 0 first. Lines end
// with CR LF; the file is GB18030.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "setup/move_history.h"

namespace quellan {

struct RecordContents {
    std::optional<std::string> holder;  // from the last player line, if any
    int positionLines = 0;
    std::vector<std::string> positions;  // the position lines, quotes deleted
    // The record's step count: position lines minus one (-1 without any).
    int bestSteps() const { return positionLines - 1; }
};

// Reads a record from the lines of its file (quotes deleted, empty lines
// skipped).
RecordContents parseRecordLines(const std::vector<std::string>& lines);

// Reads the record file; nullopt when there is no such file or it cannot be
// read (both count as "no record").
[[nodiscard]] std::optional<RecordContents> readRecordFile(const std::filesystem::path& path);

// A player's name as the record keeps it: control characters (which would
// break the line format) removed, then leading and trailing spaces trimmed.
[[nodiscard]] std::string cleanPlayerName(std::string_view name);

// The file's bytes for holder `name` (already cleaned) and the history.
std::string formatRecord(std::string_view name, const MoveHistory& history);

// Writes the record so that the old one stays whole unless the new one is
// completely written. Returns false on failure (the old file is unchanged).
[[nodiscard]] bool writeRecordFile(const std::filesystem::path& path, std::string_view name,
                                   const MoveHistory& history);

}  // namespace quellan
