#pragma once

namespace shared {

// The two builds of this library differ in a few observable ways. Each control library states
// which build it carries once, at start-up; the first variant is the default.
enum class SharedVariant { First, Second };

class LibraryOptions {
public:
    static SharedVariant Variant();
    static void SetVariant(SharedVariant variant);
};

} // namespace shared
