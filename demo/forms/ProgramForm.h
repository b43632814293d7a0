#pragma once

#include "platform/forms/description/FormDescription.h"
#include "platform/forms/description/FormLoader.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/form/MdiForm.h"
#include "platform/ole/object/WeakRef.h"

#include <span>

namespace sampledesk {

class Sampledesk;

// A window of the program on the form class Base (a plain form or the MDI frame): made from its
// description, it knows the program (weakly: a late event finds nothing) and takes its Load,
// Resize, QueryUnload and Unload in four handlers.
template <class Base>
class ProgramFormOn : public Base {
public:
    // Picture literals of the description come from `pictures`.
    template <class T>
    static ole::Ptr<T> Make(const forms::FormDescription& description,
                            ole::WeakRef<Sampledesk> program,
                            forms::PictureResolver pictures = {}) {
        auto form = ole::MakeObject<T>(std::move(program));
        Describe(*form, description, std::move(pictures));
        return form;
    }

protected:
    ProgramFormOn(std::string name, ole::WeakRef<Sampledesk> program);

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
    static void Describe(ProgramFormOn& form, const forms::FormDescription& description,
                         forms::PictureResolver pictures);

    ole::WeakRef<Sampledesk> m_program;
};

using ProgramForm = ProgramFormOn<forms::Form>;

extern template class ProgramFormOn<forms::Form>;
extern template class ProgramFormOn<forms::MdiForm>;

} // namespace sampledesk
