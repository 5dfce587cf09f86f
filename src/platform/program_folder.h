#pragma once
// The folder the running program file is in, known before Qt is set up.
#include <filesystem>

namespace quellan::platform {

// The folder of the running program, with links resolved, as Qt's
// applicationDirPath() gives it once the application object exists; found
// without one, so that start-up work can be handed the game's files before
// that object is made. Where the system does not say, the folder of
// `argv0` (the program's first argument).
std::filesystem::path programFolder(const char* argv0);

}  // namespace quellan::platform
