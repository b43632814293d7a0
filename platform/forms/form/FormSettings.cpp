#include "platform/forms/form/FormSettings.h"

#include "platform/forms/form/Form.h"
#include "platform/win/loop/MessageLoop.h"
#include "platform/win/test/TestApi.h"

namespace forms {

namespace {

struct Settings {
    bool modelessAllowed = true;
    uint32_t startupForm = 0;
    bool shuttingDown = false;
};

Settings& Current() {
    static Settings settings;
    return settings;
}

[[maybe_unused]] const bool g_resetAdded = (win::test::AddResetStep(&FormSettings::Reset), true);

} // namespace

bool FormSettings::ModelessFormsAllowed() {
    return Current().modelessAllowed;
}

void FormSettings::SetModelessFormsAllowed(bool allowed) {
    Current().modelessAllowed = allowed;
}

void FormSettings::SetStartupForm(Form* form) {
    Current().startupForm = ole::PtrOfObject(form);
}

bool FormSettings::IsStartupForm(const Form& form) {
    return Current().startupForm != 0 && Current().startupForm == ole::PtrOfObject(&form);
}

bool FormSettings::ShuttingDown() {
    return Current().shuttingDown;
}

void FormSettings::FormUnloaded(Form& form) {
    if (!IsStartupForm(form) || Current().shuttingDown)
        return;
    Current().shuttingDown = true;
    for (const auto& other : Form::LoadedForms()) {
        if (other.Get() != &form)
            other->UnloadForm(Form::kUnloadFormCode);
    }
    win::PostQuitMessage(0);
}

void FormSettings::Reset() {
    Current() = Settings{};
}

} // namespace forms
