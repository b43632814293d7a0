#include "ProgramForm.h"

#include "demo/app/Sampledesk.h"

#include "platform/forms/description/FormLoader.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <array>

namespace sampledesk {

ProgramForm::ProgramForm(std::string name, ole::WeakRef<Sampledesk> program)
    : Form(std::move(name)), m_program(std::move(program)) {}

void ProgramForm::Describe(ProgramForm& form, const forms::FormDescription& description) {
    form.RaiseInitialize();
    forms::FormLoader::Realise(description, {}, ole::Ptr<forms::Form>(&form));
}

void ProgramForm::OnEvent(ole::DISPID id, std::span<ole::Variant> args) {
    switch (id) {
    case Load:
        OnLoad();
        break;
    case Resize:
        OnResize();
        break;
    case Unload:
        OnUnload();
        break;
    case QueryUnload:
        OnQueryUnload(args[0], ole::CInt(args[1]));
        break;
    default:
        break;
    }
    Form::OnEvent(id, args);
}

void ProgramForm::MoveControl(const ole::Ptr<forms::Control>& control, float left, float top,
                              float width, float height) {
    std::array<ole::Variant, 4> args{ole::Variant(left), ole::Variant(top), ole::Variant(width),
                                     ole::Variant(height)};
    ole::CallMethod(ole::Variant(ole::Ptr<ole::Object>(control)), "Move", args);
}

} // namespace sampledesk
