#include "ProgramForm.h"

#include "demo/app/Sampledesk.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <array>

namespace sampledesk {

template <class Base>
ProgramFormOn<Base>::ProgramFormOn(std::string name, ole::WeakRef<Sampledesk> program)
    : Base(std::move(name)), m_program(std::move(program)) {}

template <class Base>
void ProgramFormOn<Base>::Describe(ProgramFormOn& form, const forms::FormDescription& description,
                                   forms::PictureResolver pictures) {
    form.RaiseInitialize();
    forms::FormLoader::Realise(description, std::move(pictures), ole::Ptr<forms::Form>(&form));
}

template <class Base>
void ProgramFormOn<Base>::OnEvent(ole::DISPID id, std::span<ole::Variant> args) {
    switch (id) {
    case forms::Form::Load:
        OnLoad();
        break;
    case forms::Form::Resize:
        OnResize();
        break;
    case forms::Form::Unload:
        OnUnload();
        break;
    case forms::Form::QueryUnload:
        OnQueryUnload(args[0], ole::CInt(args[1]));
        break;
    default:
        break;
    }
    Base::OnEvent(id, args);
}

template <class Base>
void ProgramFormOn<Base>::MoveControl(const ole::Ptr<forms::Control>& control, float left,
                                      float top, float width, float height) {
    std::array<ole::Variant, 4> args{ole::Variant(left), ole::Variant(top), ole::Variant(width),
                                     ole::Variant(height)};
    ole::CallMethod(ole::Variant(ole::Ptr<ole::Object>(control)), "Move", args);
}

template class ProgramFormOn<forms::Form>;
template class ProgramFormOn<forms::MdiForm>;

} // namespace sampledesk
