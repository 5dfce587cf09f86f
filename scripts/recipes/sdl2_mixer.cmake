# SDL2_mixer as the game builds it (scripts/recipes/common.cmake says how this
# file is read): WAV effects and MP3 music through its built-in dr_mp3,
# nothing fetched, no other codec.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

quellan_recipe_options(ON SDL2MIXER_WAVE SDL2MIXER_MP3 SDL2MIXER_MP3_DRMP3)
quellan_recipe_options(OFF SDL2MIXER_SAMPLES SDL2MIXER_VENDORED SDL2MIXER_DEPS_SHARED
  SDL2MIXER_MP3_MPG123 SDL2MIXER_CMD SDL2MIXER_FLAC SDL2MIXER_MOD SDL2MIXER_MIDI
  SDL2MIXER_OPUS)
# Vorbis is a choice of decoder (STB, TREMOR, VORBISFILE) or none.
set(SDL2MIXER_VORBIS OFF CACHE STRING "")

if(QUELLAN_RECIPE_PLATFORM STREQUAL "windows")
  # SDL2_mixer.dll beside SDL2.dll.
  quellan_recipe_options(ON BUILD_SHARED_LIBS)
endif()

unset(QUELLAN_RECIPE_PLATFORM CACHE)
