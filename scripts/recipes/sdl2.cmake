# SDL2 as the game builds it (scripts/recipes/common.cmake says how this file
# is read). Source changes beside these switches: patches/sdl2-<platform>-*.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

# The game has its own entry point, so no SDL2main; no test library.
quellan_recipe_options(OFF SDL_TEST)
quellan_recipe_options(ON SDL2_DISABLE_SDL2MAIN)

if(QUELLAN_RECIPE_PLATFORM STREQUAL "windows")
  # SDL2.dll with SDL's own choice of subsystems and drivers.
  quellan_recipe_options(ON SDL_SHARED)
  quellan_recipe_options(OFF SDL_STATIC)
else()
  # Only the audio subsystem and what it stands on (events, threads, timers,
  # shared-object loading): the game only plays sounds through SDL.
  quellan_recipe_options(ON SDL_STATIC)
  quellan_recipe_options(OFF SDL_SHARED
    SDL_VIDEO SDL_RENDER SDL_JOYSTICK SDL_HAPTIC SDL_HIDAPI SDL_SENSOR SDL_POWER
    SDL_FILESYSTEM SDL_LOCALE SDL_MISC
    SDL_DBUS SDL_IBUS SDL_LIBUDEV SDL_LIBSAMPLERATE
    SDL_X11 SDL_WAYLAND SDL_KMSDRM SDL_OPENGL SDL_OPENGLES SDL_VULKAN SDL_RPI
    SDL_VIVANTE SDL_OFFSCREEN SDL_DUMMYVIDEO)
  # The sound servers and devices Debian's build offers, each loaded when
  # SDL tries it, plus OSS, the disk writer and the dummy driver.
  # scripts/audio_libs.sh checks that none was left out for want of a
  # header.
  quellan_recipe_options(ON
    SDL_PULSEAUDIO SDL_PULSEAUDIO_SHARED SDL_PIPEWIRE SDL_PIPEWIRE_SHARED
    SDL_ALSA SDL_ALSA_SHARED SDL_SNDIO SDL_SNDIO_SHARED
    SDL_OSS SDL_DISKAUDIO SDL_DUMMYAUDIO)
  quellan_recipe_options(OFF SDL_JACK SDL_ESD SDL_ARTS SDL_NAS SDL_FUSIONSOUND)
endif()

unset(QUELLAN_RECIPE_PLATFORM CACHE)
