#pragma once
// Handing memory the program has freed back to the system.

namespace quellan::platform {

// Sets the allocator up, first thing in the program, for how the game uses
// memory: a burst of work on several threads at start-up (the pictures, the
// font rules, the session bus, the sound output), then little. By default
// each of those threads gets an allocation area of its own that stays
// resident after the thread is done, and every large block freed makes the
// allocator keep blocks of that size in its areas instead of returning them
// to the system. Does nothing where the allocator has no such settings.
void keepAllocatorLean();

// Gives the system back the pages of freed memory the allocator still
// holds, so that work done once on a worker thread (the coach's figures
// for a layout) does not stay in the game's resident memory. Does nothing
// where the allocator has no such call.
void returnFreedMemory();

}  // namespace quellan::platform
