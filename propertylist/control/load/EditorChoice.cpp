#include "propertylist/control/load/EditorChoice.h"

#include "propertylist/control/load/ExtenderTable.h"
#include "propertylist/model/property/CProperty.h"

#include "platform/base/TextCase.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

namespace attrgrid::load {

namespace {

EditorChoice Editor(shared::ksEditorType type) {
    EditorChoice choice;
    choice.editorType = type;
    return choice;
}

EditorChoice Number(bool allowNegative, bool allowFloatingPoint) {
    EditorChoice choice = Editor(shared::KSNumberEditor);
    choice.allowNegative = allowNegative;
    choice.allowFloatingPoint = allowFloatingPoint;
    return choice;
}

EditorChoice Removed() {
    EditorChoice choice;
    choice.remove = true;
    return choice;
}

EditorChoice ForNamedType(const ole::ValueTypeDescription& type) {
    if (type.typeKind == ole::TKIND_ENUM) {
        EditorChoice choice = Editor(shared::KSListEditor);
        choice.fillList = true;
        choice.listItems = type.constants;
        return choice;
    }
    if (base::EqualsNoCase(type.typeName, "FONT"))
        return Editor(shared::KSFontEditor);
    if (base::EqualsNoCase(type.typeName, "PICTURE")) {
        EditorChoice choice = Editor(shared::ksPictureEditor);
        choice.pictureFilter = true;
        return choice;
    }
    if (base::EqualsNoCase(type.typeName, "DATASOURCE") ||
        base::EqualsNoCase(type.typeName, "ISTDDATAFORMATDISP"))
        return Editor(shared::ksCustomDialog);
    return Removed();
}

} // namespace

EditorChoice ChooseEditorForType(const ole::ValueTypeDescription& type) {
    switch (type.varType) {
    case ole::VT_I2:
    case ole::VT_I4:
    case ole::VT_DECIMAL:
    case ole::VT_I1:
    case ole::VT_I8:
    case ole::VT_INT:
        return Number(true, false);
    case ole::VT_R4:
    case ole::VT_R8:
        return Number(true, true);
    case ole::VT_UI1:
    case ole::VT_UI2:
        return Number(false, false);
    case ole::VT_DATE:
        return Editor(shared::KSDateEditor);
    case ole::VT_BSTR:
        return Editor(shared::ksTextEditor);
    case ole::VT_BOOL:
        return Editor(shared::ksBooleanEditor);
    case ole::VT_UI4:
        return Editor(shared::KSColorEditor);
    case ole::VT_EMPTY:
        return ForNamedType(type);
    default:
        // Plain objects, variants, currency, error codes and every other type have no editor.
        return Removed();
    }
}

void ApplyEditorChoice(const EditorChoice& choice, CProperty& aProperty) {
    if (choice.fillList) {
        auto items = aProperty.GetListItems();
        items->Clear();
        for (const ole::EnumConstant& constant : choice.listItems)
            items->Add(std::to_string(constant.value) + " - " + constant.name,
                       ole::Variant(constant.value));
    }
    aProperty.LetEditorType(choice.editorType);
    if (choice.allowFloatingPoint)
        aProperty.SetEditorParam("AllowFloatingPoint", "True");
    if (choice.allowNegative)
        aProperty.SetEditorParam("AllowNegative", "True");
    if (choice.pictureFilter)
        aProperty.SetEditorParam("Filter", std::string(kPictureFilter));
}

} // namespace attrgrid::load
