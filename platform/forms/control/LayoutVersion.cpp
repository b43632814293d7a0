#include "platform/forms/control/LayoutVersion.h"

namespace forms {

namespace {

uint64_t g_layoutVersion = 1;

} // namespace

uint64_t LayoutVersion() {
    return g_layoutVersion;
}

void NoteLayoutChange() {
    ++g_layoutVersion;
}

} // namespace forms
