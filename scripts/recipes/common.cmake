# What the game's own builds of SDL2 and SDL2_mixer have in common, read
# through sdl2.cmake and sdl2_mixer.cmake. scripts/recipes/build.sh hands
# those to CMake as an initial cache, with the platform before it:
#
#   cmake -DQUELLAN_RECIPE_PLATFORM=linux -C scripts/recipes/sdl2.cmake ...
#
# linux:   scripts/audio_libs.sh, static libraries linked into the game;
# windows: scripts/windows/sdk.sh, DLLs shipped beside the game.
#
# The platform only chooses among the lines here; it is not kept in the
# library's cache.
if(NOT QUELLAN_RECIPE_PLATFORM MATCHES "^(linux|windows)$")
  message(FATAL_ERROR "QUELLAN_RECIPE_PLATFORM is '${QUELLAN_RECIPE_PLATFORM}', "
                      "not linux or windows (it must come before -C)")
endif()

# quellan_recipe_options(ON|OFF NAME...): the library's switches NAME... set
# to one value.
macro(quellan_recipe_options value)
  foreach(name ${ARGN})
    set(${name} ${value} CACHE BOOL "")
  endforeach()
endmacro()

if(QUELLAN_RECIPE_PLATFORM STREQUAL "linux")
  # Linked into the game, which is a position-independent executable.
  quellan_recipe_options(OFF BUILD_SHARED_LIBS)
  quellan_recipe_options(ON CMAKE_POSITION_INDEPENDENT_CODE)
  # Each function in a section of its own, so that the game's link keeps
  # only those it reaches (src/media/sdl_mixer.cmake: --gc-sections).
  set(CMAKE_C_FLAGS "-ffunction-sections -fdata-sections" CACHE STRING "")
endif()
