#pragma once
// Line-oriented text files of the game (layouts and records): whole-file
// reads split into lines, and whole-file writes that never leave a half
// written file behind.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellan {

// Turns a UTF-8 file name into a path, on every platform.
std::filesystem::path pathFromUtf8(std::string_view utf8);

// True when `path` names an ordinary file (not a folder).
bool isRegularFile(const std::filesystem::path& path);

// Splits raw bytes into lines: CR LF, CR alone and LF alone each end a line,
// and a last line without an ending still counts.
std::vector<std::string> splitLines(std::string_view bytes);

// Reads the whole file; nullopt when it cannot be opened or read.
[[nodiscard]] std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Reads a GB18030 text file as UTF-8 lines; nullopt when it cannot be read.
std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path);

// Writes `bytes` to a new file beside `path` and then puts it in place of
// `path` in one step. On any failure `path` is left exactly as it was and
// false is returned.
[[nodiscard]] bool replaceFileContents(const std::filesystem::path& path, std::string_view bytes);

enum class NewFile { Written, Exists, Failed };

// Writes `bytes` as the new file `path`, whole or not at all, the same way;
// a file of that name, even one that appears while writing, is never
// replaced (Exists).
[[nodiscard]] NewFile createFileContents(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quellan
