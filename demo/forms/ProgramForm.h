#pragma once

#include "platform/forms/description/FormDescription.h"
#include "platform/forms/form/Form.h"
#include "platform/ole/object/WeakRef.h"

#include <span>

namespace sampledesk {

class Sampledesk;

// A window of the program: made from its description, it knows the program (weakly: a late event
// finds nothing) and takes its Load, Resize and Unload in three handlers.
class ProgramForm : public forms::Form {
public:
    template <class T>
    static ole::Ptr<T> Make(const forms::FormDescription& description,
                            ole::WeakRef<Sampledesk> program) {
        auto form = ole::MakeObject<T>(std::move(program));
        Describe(*form, description);
        return form;
    }

protected:
    ProgramForm(std::string name, ole::WeakRef<Sampledesk> program);

    // Null once the program is gone.
    ole::Ptr<Sampledesk> Program() const { return m_program.Lock(); }

    virtual void OnLoad() {}
    virtual void OnResize() {}
    virtual void OnUnload() {}
    // Cancel non-zero keeps the window loaded.
    virtual void OnQueryUnload(ole::Variant& /*cancel*/, int16_t /*unloadMode*/) {}
    void OnEvent(ole::DISPID id, std::span<ole::Variant> args) override;

    // Move(left, top, width, height) on a hosted control, late bound.
    static void MoveControl(const ole::Ptr<forms::Control>& control, float left, float top,
                            float width, float height);

private:
    static void Describe(ProgramForm& form, const forms::FormDescription& description);

    ole::WeakRef<Sampledesk> m_program;
};

} // namespace sampledesk
