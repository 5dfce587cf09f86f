#pragma once
// A fresh folder below the system's temporary folder, removed at the end of
// the test.
#include <filesystem>
#include <string>
#include <string_view>

namespace quellan::testing {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    // Writes raw bytes to a file below the folder, creating folders on the way.
    std::filesystem::path write(const std::filesystem::path& relative,
                                std::string_view bytes) const;
    // The same with the name in UTF-8 ("map/横刀立马.qlp"): a path made from
    // plain bytes would take each byte for a character on Windows.
    std::filesystem::path write(const char* utf8Relative, std::string_view bytes) const;
    std::filesystem::path write(const std::string& utf8Relative, std::string_view bytes) const;

  private:
    std::filesystem::path m_path;
};

std::string readAll(const std::filesystem::path& path);

}  // namespace quellan::testing
