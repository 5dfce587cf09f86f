# SDL2_mixer with SDL2 under it, as the target quellan_sdl_mixer for the
# players and their tests. With QUELLAN_AUDIO_PREFIX (the folder
# scripts/audio_libs.sh prints) the lean static libraries built there are
# linked into the game; otherwise the system's shared libraries, found
# through pkg-config (the Windows build finds its SDK's that way too).
set(QUELLAN_AUDIO_PREFIX "" CACHE PATH "Static SDL2 and SDL2_mixer (scripts/audio_libs.sh)")

add_library(quellan_sdl_mixer INTERFACE)
if(QUELLAN_AUDIO_PREFIX)
  # Exactly the folder given, whatever an earlier configure found.
  set(SDL2_DIR ${QUELLAN_AUDIO_PREFIX}/lib/cmake/SDL2)
  set(SDL2_mixer_DIR ${QUELLAN_AUDIO_PREFIX}/lib/cmake/SDL2_mixer)
  find_package(SDL2 REQUIRED CONFIG NO_DEFAULT_PATH)
  find_package(SDL2_mixer REQUIRED CONFIG NO_DEFAULT_PATH)
  # Seen from the tests' folder as well.
  set_target_properties(SDL2_mixer::SDL2_mixer-static SDL2::SDL2-static
                        PROPERTIES IMPORTED_GLOBAL TRUE)
  # SDL2_mixer's static target leaves SDL2 to the program.
  target_link_libraries(quellan_sdl_mixer INTERFACE SDL2_mixer::SDL2_mixer-static
                                                    SDL2::SDL2-static)
  # Of SDL only the functions the players reach (the libraries are built
  # with a section a function).
  target_link_options(quellan_sdl_mixer INTERFACE LINKER:--gc-sections)
  message(STATUS "SDL2_mixer: static, from ${QUELLAN_AUDIO_PREFIX}")
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET GLOBAL SDL2_mixer)
  target_link_libraries(quellan_sdl_mixer INTERFACE PkgConfig::SDL2_MIXER)
endif()
