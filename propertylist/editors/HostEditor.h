#pragma once

#include "propertylist/editors/CEditor.h"

#include "platform/ole/dispatch/DispatchForwarder.h"

namespace attrgrid {

// A host object that implements the editor interface through automation only, driven by the
// interface's member ids. The host notifies the list with its own object, so the list finds the
// adapter again through Identity().
class HostEditor final : public CEditor, private ole::DispatchForwarder {
public:
    // The object itself when it is a C++ editor, else an adapter around the host object that
    // answers for the editor interface; null for null; error 13 for any other object.
    static ole::Ptr<CEditor> Wrap(const ole::Ptr<ole::Object>& anEditor);

    ole::Object* Identity() override { return Target().Get(); }

    int32_t ScaleMode() override;
    ole::Variant GetValue() override;
    void LetValue(const ole::Variant& value) override;
    bool GetVisible() override;
    void LetVisible(bool visible) override;
    int32_t hwnd() override;
    void LethFont(int32_t hFont) override;
    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;
    void Commit() override;
    void Cancel() override;
    void Move(float nLeft, float nTop, float nWidth, float nHeight) override;
    void init(int32_t hParentWnd) override;

private:
    explicit HostEditor(ole::Ptr<ole::Object> target);
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);
};

} // namespace attrgrid
