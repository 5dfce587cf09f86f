#include "platform/program_folder.h"

#include <system_error>

#if defined(_WIN32)
#include <windows.h>

#include <string>
#endif

namespace quellan::platform {

namespace {

std::filesystem::path runningProgram() {
    std::error_code error;
#if defined(_WIN32)
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0) return {};
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    return std::filesystem::canonical(name, error);
#else
    // Linux names the running program's file here, as Qt itself reads it.
    return std::filesystem::canonical("/proc/self/exe", error);
#endif
}

}  // namespace

std::filesystem::path programFolder(const char* argv0) {
    std::filesystem::path program = runningProgram();
    if (program.empty() && argv0 != nullptr && *argv0 != '\0') {
        std::error_code error;
        program = std::filesystem::weakly_canonical(std::filesystem::absolute(argv0, error), error);
    }
    return program.parent_path();
}

}  // namespace quellan::platform
