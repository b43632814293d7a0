#include "shared/LibraryOptions.h"

namespace shared {

namespace {
SharedVariant& Current() {
    thread_local SharedVariant variant = SharedVariant::First;
    return variant;
}
} // namespace

SharedVariant LibraryOptions::Variant() {
    return Current();
}

void LibraryOptions::SetVariant(SharedVariant variant) {
    Current() = variant;
}

} // namespace shared
