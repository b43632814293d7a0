#pragma once

namespace forms {

class Form;

// Host-wide switches of the form runtime and the program-end rule: when the start-up form
// unloads, the remaining forms are unloaded and the message loop is asked to end.
class FormSettings {
public:
    // "Modeless forms allowed" (default true): false makes a modeless Show raise 406.
    static bool ModelessFormsAllowed();
    static void SetModelessFormsAllowed(bool allowed);

    static void SetStartupForm(Form* form);
    static bool IsStartupForm(const Form& form);
    // True once the start-up form unloaded; FormRef creates nothing during shutdown.
    static bool ShuttingDown();

    // Called by Form after an unload.
    static void FormUnloaded(Form& form);
    // Test isolation: defaults, no start-up form, not shutting down.
    static void Reset();
};

} // namespace forms
