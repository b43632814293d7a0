#include "platform/forms/controls/StandardControls.h"

#include "platform/forms/controls/buttons/CheckBox.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/buttons/OptionButton.h"
#include "platform/forms/controls/frame/Frame.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/lists/ComboBox.h"
#include "platform/forms/controls/lists/ListBox.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/scrollbar/HScrollBar.h"
#include "platform/forms/controls/scrollbar/VScrollBar.h"
#include "platform/forms/controls/shapes/Line.h"
#include "platform/forms/controls/shapes/Shape.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

#include <memory>

namespace forms {

namespace {

const ole::Guid& StandardLibraryId() {
    static const ole::Guid id = ole::Guid::FromString("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F00}");
    return id;
}

template <class C>
void RegisterControlClass(bool container) {
    const ole::ClassInfo& info = C::Info();
    ole::ClassFlags flags;
    flags.control = true;
    flags.intrinsic = true;
    flags.controlContainer = container;
    ole::RegisterClass(
        "VB." + info.Name(), info.ClassId(), [] { return ole::Ptr<ole::Object>(C::Create()); },
        &info, flags);
}

} // namespace

void RegisterStandardControls() {
    RegisterControlClass<PictureBox>(true);
    RegisterControlClass<Label>(false);
    RegisterControlClass<TextBox>(false);
    RegisterControlClass<VScrollBar>(false);
    RegisterControlClass<HScrollBar>(false);
    RegisterControlClass<Frame>(true);
    RegisterControlClass<Line>(false);
    RegisterControlClass<Shape>(false);
    RegisterControlClass<CommandButton>(false);
    RegisterControlClass<CheckBox>(false);
    RegisterControlClass<OptionButton>(false);
    RegisterControlClass<ListBox>(false);
    RegisterControlClass<ComboBox>(false);
    if (ole::TypeLibraryRegistry::Load(StandardLibraryId(), 1, 0))
        return;
    auto library = std::make_shared<ole::TypeLibrary>("VB", StandardLibraryId(), 1, 0);
    library->AddClass(PictureBox::Info());
    library->AddClass(Label::Info());
    library->AddClass(TextBox::Info());
    library->AddClass(VScrollBar::Info());
    library->AddClass(HScrollBar::Info());
    library->AddClass(Frame::Info());
    library->AddClass(Line::Info());
    library->AddClass(Shape::Info());
    library->AddClass(CommandButton::Info());
    library->AddClass(CheckBox::Info());
    library->AddClass(OptionButton::Info());
    library->AddClass(ListBox::Info());
    library->AddClass(ComboBox::Info());
    ole::TypeLibraryRegistry::Register(std::move(library));
}

} // namespace forms
