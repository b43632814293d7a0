#include "platform/forms/dialogs/DialogResponder.h"

#include <vector>

namespace forms {

namespace {

std::vector<std::function<void()>>& Resets() {
    static std::vector<std::function<void()>> resets;
    return resets;
}

} // namespace

void AddDialogResponderReset(std::function<void()> reset) {
    Resets().push_back(std::move(reset));
}

void ResetDialogResponders() {
    for (const auto& reset : Resets()) {
        reset();
    }
}

} // namespace forms
