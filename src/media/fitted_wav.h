#pragma once
// Loading a WAV sound for the open output. SDL_mixer converts a sound to the
// output's format in a buffer sized for the largest of its conversion steps,
// and keeps that buffer: for the game's effects (mono at half the output's
// rate) four times the converted sound, over half a megabyte for the set-up
// sound, most of it never used again.
struct Mix_Chunk;
struct SDL_RWops;

namespace quellan {

// Mix_LoadWAV_RW (which closes `source` when `closeSource` is set) with the
// chunk's buffer cut to the converted sound. Null when SDL_mixer cannot read
// it; needs the output open.
Mix_Chunk* loadFittedWav(SDL_RWops* source, bool closeSource);

}  // namespace quellan
