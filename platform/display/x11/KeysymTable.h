#pragma once

namespace display {

// The platform's virtual key for the keysym a key carries without modifiers (0: a key the
// platform has no code for). Printable keys follow the US layout the platform types text with;
// those that do not fit it get no virtual key.
int VirtualKeyForKeysym(unsigned long keysym);

// The code point a keysym types (0: none), for keys without a virtual key of their own.
char32_t CodePointForKeysym(unsigned long keysym);

} // namespace display
