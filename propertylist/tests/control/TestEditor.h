#pragma once

// A C++ in-place editor for the list's tests: it records what the list asks of it and can be
// told to refuse its Commit the way the number editor refuses bad text.

#include "propertylist/editors/CEditor.h"
#include "propertylist/editors/CEditorListener.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/object/WeakRef.h"

#include <optional>

namespace attrgrid::test {

class TestEditor : public CEditor {
public:
    static ole::Ptr<TestEditor> Create(win::HWND window = {}) {
        auto editor = ole::MakeObject<TestEditor>();
        editor->m_window = window;
        return editor;
    }
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<TestEditor>("TestEditor").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    int32_t ScaleMode() override { return 3; }
    ole::Variant GetValue() override { return value; }
    void LetValue(const ole::Variant& newValue) override { value = newValue; }
    bool GetVisible() override { return visible; }
    void LetVisible(bool show) override { visible = show; }
    int32_t hwnd() override { return static_cast<int32_t>(m_window.Value()); }
    void LethFont(int32_t) override {}
    void Reset(const ole::Ptr<CProperty>&, const ole::Ptr<CEditorListener>& listener) override {
        m_listener = ole::WeakRef<CEditorListener>(listener.Get());
    }
    void Commit() override {
        ++commits;
        if (refusal)
            throw *refusal;
        if (auto listener = m_listener.Lock())
            listener->NotifyCommit(ole::Ptr<ole::Object>(this));
    }
    void Cancel() override {
        if (auto listener = m_listener.Lock())
            listener->NotifyCancel(ole::Ptr<ole::Object>(this));
    }
    void Move(float left, float top, float width, float height) override {
        placed = {static_cast<int32_t>(left), static_cast<int32_t>(top),
                  static_cast<int32_t>(left + width), static_cast<int32_t>(top + height)};
    }
    void init(int32_t) override {}

    ole::Variant value;
    bool visible = false;
    int commits = 0;
    // Where the last Move put it, in pixels.
    win::RECT placed{};
    // Thrown by Commit instead of notifying the listener.
    std::optional<ole::Error> refusal;

private:
    win::HWND m_window;
    ole::WeakRef<CEditorListener> m_listener;
};

} // namespace attrgrid::test
