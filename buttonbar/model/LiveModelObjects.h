#pragma once

#include <cstddef>

namespace shelfstrip {

// Counts the model objects alive in this library. A host may keep a group or a button after the
// control that made it is gone; their code lives in the library, so the library must not unload
// while any of them lives. Each model object holds one token.
class LiveModelObjects {
public:
    class Token {
    public:
        Token() { ++Count(); }
        ~Token() { --Count(); }
        Token(const Token&) = delete;
        Token& operator=(const Token&) = delete;
    };

    static bool Any() { return Count() != 0; }

private:
    static size_t& Count() {
        thread_local size_t count = 0;
        return count;
    }
};

} // namespace shelfstrip
