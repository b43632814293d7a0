#pragma once

#include <cstdint>

namespace forms {

// A count of every change to where controls are: a control sited or unsited, moved, resized, put
// into another container or restacked, on any form of the thread. Indexes built from control
// placement remember it and build again once it moved on; it never goes back, platform resets
// included.
uint64_t LayoutVersion();
void NoteLayoutChange();

} // namespace forms
