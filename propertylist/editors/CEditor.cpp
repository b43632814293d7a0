#include "propertylist/editors/CEditor.h"

#include "propertylist/editors/CEditorListener.h"
#include "propertylist/model/property/CProperty.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace attrgrid {

const ole::ClassInfo& CEditor::Info() {
    using C = CEditor;
    using ole::Arg;
    using ole::Help;
    using ole::Params;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CEditor")
            .Library("Attrgrid")
            .ClassId("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210811}")
            .Interface("_CEditor", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210812}", ole::TYPEFLAG_FDUAL)
            .Get("ScaleMode", IdScaleMode, &C::ScaleMode,
                 Help("Returns the ScaleMode of an editor."))
            .Property("Value", IdValue, &C::GetValue, &C::LetValue,
                      Help("Returns or sets a Value of a property."))
            .Property("Visible", IdVisible, &C::GetVisible, &C::LetVisible,
                      Help("Returns or sets a value indicating whether an editor object is "
                           "visible or hidden."))
            .Get("hwnd", IdHwnd, &C::hwnd, Help("Returns a window handle of an editor."))
            .Let("hFont", IdHFont, &C::LethFont,
                 Help("Sets the Font resource handle for an editor."))
            .Method("Reset", IdReset, &C::Reset,
                    Params({Arg("aProperty", "CProperty"),
                            Arg("anEditorListener", "CEditorListener")}) |
                        Help("Resets / re-initialises the editor as per the information available "
                             "in the specified CProperty object."))
            .Method("Commit", IdCommit, &C::Commit,
                    Help("Commits the current value in the editor to the corresponding property."))
            .Method("Cancel", IdCancel, &C::Cancel, Help("Cancels the current editing session."))
            .Method("Move", IdMove, &C::Move,
                    Params({Arg("nLeft"), Arg("nTop"), Arg("nWidth"), Arg("nHeight")}) |
                        Help("Positions the editor window."))
            .Method("init", IdInit, &C::init, Params({Arg("hParentWnd")}))
            .Build();
    return info;
}

} // namespace attrgrid
