#include "support/temp_dir.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>

#include "common/text_file.h"

namespace quellan::testing {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto name = "quellan-test-" + std::to_string(rd()) + "-" + std::to_string(counter++);
        m_path = base / name;
        if (std::filesystem::create_directory(m_path)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    // A test may have made files read-only; make them writable to remove them.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::filesystem::path TempDir::write(const std::filesystem::path& relative,
                                     std::string_view bytes) const {
    auto full = m_path / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return full;
}

std::filesystem::path TempDir::write(const char* utf8Relative, std::string_view bytes) const {
    return write(pathFromUtf8(utf8Relative), bytes);
}

std::filesystem::path TempDir::write(const std::string& utf8Relative,
                                     std::string_view bytes) const {
    return write(pathFromUtf8(utf8Relative), bytes);
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace quellan::testing
