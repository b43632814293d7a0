#include "platform/forms/description/FormLoader.h"

#include "platform/base/Rounding.h"
#include "platform/forms/app/Screen.h"
#include "platform/forms/controls/StandardControls.h"
#include "platform/forms/form/MdiForm.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/library/ControlLibraries.h"
#include "platform/forms/menu/Menu.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/registry/ClassRegistry.h"

#include <algorithm>

namespace forms {

namespace {

int Pixels(float twips) {
    return base::RoundHalfEvenToInt32(static_cast<double>(twips) / Screen::kTwipsPerPixel);
}

win::RECT PixelRect(const ControlDescription& control) {
    const int left = Pixels(control.left);
    const int top = Pixels(control.top);
    return win::RECT{left, top, left + Pixels(control.width), top + Pixels(control.height)};
}

ole::Ptr<Menu> MakeMenu(const MenuDescription& description) {
    auto menu = Menu::Create(description.name, description.caption);
    menu->SetChecked(description.checked);
    menu->SetEnabled(description.enabled);
    menu->SetVisible(description.visible);
    if (description.shortcutKey != 0)
        menu->SetShortcut(description.shortcutModifiers, description.shortcutKey);
    for (const auto& child : description.children)
        menu->Add(MakeMenu(child));
    return menu;
}

bool IsStandardClass(std::string_view classId) {
    return classId.size() > 3 && (classId.substr(0, 3) == "VB." || classId.substr(0, 3) == "vb.");
}

} // namespace

ole::Ptr<Form> FormLoader::Realise(const FormDescription& description, PictureResolver pictures,
                                   ole::Ptr<Form> form) {
    if (!form) {
        if (description.kind == FormKind::MdiFrame)
            form = MdiForm::Create(description.name);
        else
            form = Form::Create(description.name);
    }
    form->SetMDIChild(description.kind == FormKind::MdiChild);
    form->SetCaption(description.caption);
    form->SetBorderStyle(description.borderStyle);
    form->SetKeyPreview(description.keyPreview);
    for (const auto& menu : description.menus)
        form->MenuBar().Add(MakeMenu(menu));
    // The description is static data that outlives every form made from it.
    const FormDescription* source = &description;
    form->SetControlBuilder([source, pictures = std::move(pictures)](Form& loading) {
        loading.SetClientSize(win::SIZE{Pixels(source->clientWidth), Pixels(source->clientHeight)});
        SiteControls(loading, *source, pictures);
    });
    return form;
}

void FormLoader::SiteControls(Form& form, const FormDescription& description,
                              const PictureResolver& pictures) {
    RegisterStandardControls();
    for (const auto& control : description.controls) {
        ole::Ptr<ole::Object> container;
        if (!control.container.empty()) {
            container = form.FindControl(control.container);
            if (!container)
                ole::RaiseError(ole::ERR_INVALID_CALL, "No container named " + control.container);
        }
        const win::RECT bounds = PixelRect(control);
        ole::Ptr<Control> sited;
        if (IsStandardClass(control.classId)) {
            auto made = ole::PtrCast<Control>(ole::ClassRegistry::Create(control.classId));
            if (!made)
                ole::RaiseError(ole::ERR_INVALID_CLASS_STRING);
            sited = form.AddControl(made, control.name, container, bounds, control.visible);
        } else {
            auto inner = ole::PtrCast<UserControl>(ControlLibraries::CreateObject(control.classId));
            if (!inner)
                ole::RaiseError(ole::ERR_INVALID_CLASS_STRING);
            ole::Ptr<ole::PropertyBag> bag;
            if (control.bag)
                bag = BuildBag(*control.bag, pictures);
            auto site = Extender::Host(
                inner,
                [&](const ole::Ptr<Extender>& s) {
                    form.AddControl(s, control.name, container, bounds, control.visible);
                },
                bag.Get());
            site->SetAlign(control.align);
            sited = site;
        }
        for (const auto& property : control.properties)
            ole::LetProperty(ole::Variant(ole::Ptr<ole::Object>(sited)), property.name,
                             ValueOf(property.value, pictures));
    }
}

ole::Variant FormLoader::ValueOf(const LiteralValue& value, const PictureResolver& pictures) {
    if (const auto* plain = std::get_if<ole::Variant>(&value))
        return *plain;
    if (const auto* font = std::get_if<FontLiteral>(&value)) {
        auto made = ole::Font::Create();
        made->SetName(font->name);
        made->SetSize(ole::Currency{base::RoundHalfEvenToInt32(font->size * 10000)});
        made->SetWeight(font->weight);
        made->SetItalic(font->italic);
        made->SetUnderline(font->underline);
        made->SetStrikethrough(font->strikethrough);
        made->SetCharset(font->charset);
        return ole::Variant(ole::Ptr<ole::Object>(made));
    }
    const int id = std::get<PictureLiteral>(value).resourceId;
    auto picture = pictures ? pictures(id) : nullptr;
    if (!picture)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE,
                        "No picture with resource id " + std::to_string(id));
    return ole::Variant(ole::Ptr<ole::Object>(picture));
}

ole::Ptr<ole::PropertyBag> FormLoader::BuildBag(std::span<const PropertyLiteral> literal,
                                                const PictureResolver& pictures) {
    auto bag = ole::PropertyBag::Create();
    for (const auto& entry : literal)
        bag->WriteProperty(entry.name, ValueOf(entry.value, pictures), ole::Variant::Missing());
    return bag;
}

const FormDescription* FormLoader::StartUp(std::span<const FormDescription> descriptions) {
    const auto found = std::find_if(descriptions.begin(), descriptions.end(),
                                    [](const FormDescription& d) { return d.startUp; });
    return found == descriptions.end() ? nullptr : &*found;
}

} // namespace forms
