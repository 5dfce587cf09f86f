# Cross build for 64-bit Windows with the mingw-w64 compilers of Debian
# (package g++-mingw-w64-x86-64-posix). The posix thread model is needed for
# std::thread and std::mutex in the standard library.
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# Executables are linked statically, so a test program or the game runs on a
# Windows machine (or under Wine) without the compiler's DLLs beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUELLAN_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${QUELLAN_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${QUELLAN_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QUELLAN_MINGW_TRIPLE}-windres)

# Headers and libraries come from the Windows sysroot only; programs that run
# during the build come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QUELLAN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs cannot run on the build machine, so GoogleTest's discovery
# waits until ctest runs instead of running each test program after linking.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
