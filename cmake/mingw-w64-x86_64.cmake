# Cross build for 64-bit Windows with the mingw-w64 compilers of Debian
# (package g++-mingw-w64-x86-64-posix). The posix thread model is needed for
# std::thread and std::mutex in the standard library.
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# Executables and DLLs carry the compiler's runtime (linked statically), so a
# test program or the game runs on a Windows machine (or under Wine) without
# the compiler's DLLs beside it.
#
# QUELLAN_WIN_SDK names the folder of Qt and SDL built by
# scripts/windows/sdk.sh; their CMake packages are found there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUELLAN_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${QUELLAN_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${QUELLAN_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QUELLAN_MINGW_TRIPLE}-windres)

set(QUELLAN_WIN_SDK "" CACHE PATH "Qt and SDL for Windows (scripts/windows/sdk.sh)")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUELLAN_WIN_SDK)

# Headers and libraries come from the Windows sysroot and the SDK only;
# programs that run during the build come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QUELLAN_MINGW_TRIPLE} ${QUELLAN_WIN_SDK})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs cannot run on the build machine, so GoogleTest's discovery
# waits until ctest runs instead of running each test program after linking.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
