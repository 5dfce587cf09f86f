#include "media/fitted_wav.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace quellan {

Mix_Chunk* loadFittedWav(SDL_RWops* source, bool closeSource) {
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, closeSource ? 1 : 0);
    // Only a buffer the chunk owns (and frees with SDL_free) is cut; a
    // shrinking realloc keeps the sound where it is or copies it whole.
    if (chunk && chunk->allocated && chunk->alen > 0) {
        if (void* fitted = SDL_realloc(chunk->abuf, chunk->alen)) {
            chunk->abuf = static_cast<Uint8*>(fitted);
        }
    }
    return chunk;
}

}  // namespace quellan
