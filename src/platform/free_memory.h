#pragma once
// Handing memory the program has freed back to the system.

namespace quellan::platform {

// Gives the system back the pages of freed memory the allocator still
// holds, so that work done once on a worker thread (the coach's figures
// for a layout) does not stay in the game's resident memory. Does nothing
// where the allocator has no such call.
void returnFreedMemory();

}  // namespace quellan::platform
