#include "common/text_file.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <system_error>

#include "common/text_codec.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quellan {

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::FILE* openForReading(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

// Read through the C library: a C++ stream would first set up the whole
// locale machinery of the C++ library, which nothing else the game does at
// start-up needs.
std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    if (!isRegularFile(path)) return std::nullopt;
    const std::unique_ptr<std::FILE, FileCloser> in(openForReading(path));
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(in.get())) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path) {
    auto bytes = readFileBytes(path);
    if (!bytes) return std::nullopt;
    // No GB18030 sequence holds a CR or LF byte, so decoding before
    // splitting is safe.
    return splitLines(gb18030ToUtf8(*bytes));
}

namespace {

// Moves `from` over `to`, replacing it in one step.
bool moveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    return !ec;
#endif
}

// Puts `from` in place at `to` only while no file of that name exists, in
// one step, so a file that appeared meanwhile is never replaced.
NewFile moveNotReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0) return NewFile::Written;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? NewFile::Exists
                                                                       : NewFile::Failed;
#else
    // A second name for the written file fails when the name is taken.
    std::error_code ec;
    std::filesystem::create_hard_link(from, to, ec);
    if (ec == std::errc::file_exists) return NewFile::Exists;
    if (!ec) {
        std::filesystem::remove(from, ec);
        return NewFile::Written;
    }
    // A folder that holds no second names: look, then move.
    if (std::filesystem::exists(to, ec) || ec) return ec ? NewFile::Failed : NewFile::Exists;
    return moveReplacing(from, to) ? NewFile::Written : NewFile::Failed;
#endif
}

// Writes `bytes` to `temp`; on failure nothing of it is left.
bool writeWhole(const std::filesystem::path& temp, std::string_view bytes) {
    bool written = false;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();  // a full disk may only show at close
            written = !out.fail();
        }
    }
    if (!written) {
        std::error_code ec;
        std::filesystem::remove(temp, ec);
    }
    return written;
}

std::filesystem::path tempBeside(const std::filesystem::path& path) {
    std::filesystem::path temp = path;
    temp += ".new";
    return temp;
}

}  // namespace

bool replaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path temp = tempBeside(path);
    if (!writeWhole(temp, bytes)) return false;
    if (!moveReplacing(temp, path)) {
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

NewFile createFileContents(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) || ec) return ec ? NewFile::Failed : NewFile::Exists;
    const std::filesystem::path temp = tempBeside(path);
    if (!writeWhole(temp, bytes)) return NewFile::Failed;
    const NewFile result = moveNotReplacing(temp, path);
    if (result != NewFile::Written) std::filesystem::remove(temp, ec);
    return result;
}

}  // namespace quellan
