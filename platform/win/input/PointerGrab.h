#pragma once

namespace win::detail {

// Tells the backend to grab the pointer while capture or a cursor clip is set, confined to the
// clip rectangle when there is one.
void UpdatePointerGrab();

} // namespace win::detail
