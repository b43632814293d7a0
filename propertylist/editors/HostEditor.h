#pragma once

#include "propertylist/editors/CEditor.h"

namespace attrgrid {

// A host object that implements the editor interface through automation only, driven by the
// interface's member ids. The host notifies the list with its own object, so the list finds the
// adapter again through Identity().
class HostEditor final : public CEditor {
public:
    // The object itself when it is a C++ editor, else an adapter around the host object that
    // answers for the editor interface; null for null; error 13 for any other object.
    static ole::Ptr<CEditor> Wrap(const ole::Ptr<ole::Object>& anEditor);

    const ole::Ptr<ole::Object>& Target() const { return m_target; }
    ole::Object* Identity() override { return m_target.Get(); }

    int16_t ScaleMode() override;
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

    ole::Variant Get(ole::DISPID id);
    void Put(ole::DISPID id, ole::Variant value);
    void Call(ole::DISPID id, std::span<ole::Variant> args = {});

    ole::Ptr<ole::Object> m_target;
};

} // namespace attrgrid
