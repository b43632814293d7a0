#pragma once

// Editors for the editing tests: a C++ editor that logs every call the list makes, the same
// taking the text box's keys or the list box's and colour picker's events, and a scope that
// makes them the list's built-in editors.

#include "TestEditor.h"

#include "propertylist/editors/BuiltinEditors.h"
#include "propertylist/editors/EditorChildEvents.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace attrgrid::test {

class LoggingEditor : public TestEditor {
public:
    static ole::Ptr<LoggingEditor> Create(std::vector<std::string>* log = nullptr) {
        auto editor = ole::MakeObject<LoggingEditor>();
        editor->m_log = log;
        return editor;
    }

    int32_t ScaleMode() override {
        Log("ScaleMode");
        return scaleMode;
    }
    int32_t hwnd() override {
        Log("hwnd");
        return static_cast<int32_t>(window.Value());
    }
    void LethFont(int32_t handle) override {
        Log("hFont");
        hFont = handle;
    }
    void LetValue(const ole::Variant& newValue) override {
        Log("Value");
        TestEditor::LetValue(newValue);
    }
    void LetVisible(bool show) override {
        Log(show ? "Visible=True" : "Visible=False");
        TestEditor::LetVisible(show);
    }
    void Reset(const ole::Ptr<CProperty>& property,
               const ole::Ptr<CEditorListener>& listener) override {
        Log("Reset");
        if (resetFailure)
            throw *resetFailure;
        resetProperty = property;
        TestEditor::Reset(property, listener);
    }
    void Move(float left, float top, float width, float height) override {
        Log("Move");
        moved = {left, top, width, height};
    }
    void init(int32_t parent) override {
        Log("init");
        initParent = parent;
        if (onInit)
            onInit();
    }

    std::string name;
    int16_t scaleMode = 3;
    win::HWND window;
    int32_t hFont = 0;
    int32_t initParent = -1;
    std::vector<float> moved;
    ole::Ptr<CProperty> resetProperty;
    std::optional<ole::Error> resetFailure;
    // Host code run from init.
    std::function<void()> onInit;

protected:
    void Log(const std::string& call) {
        if (m_log)
            m_log->push_back(name.empty() ? call : name + "." + call);
    }

private:
    std::vector<std::string>* m_log = nullptr;
};

// The text editors' key forwarding: Enter commits, Esc cancels, every key is recorded.
class KeyEditor : public LoggingEditor, public TextBoxKeys {
public:
    static ole::Ptr<KeyEditor> Create() { return ole::MakeObject<KeyEditor>(); }
    void KeyPress(int16_t& KeyAscii) override {
        keys.push_back(KeyAscii);
        if (KeyAscii == 13)
            Commit();
        else if (KeyAscii == 27)
            Cancel();
        else if (KeyAscii == 'x')
            KeyAscii = 0;
    }
    std::vector<int16_t> keys;
};

// The list and colour editors: their control's event commits.
class ControlEventEditor : public LoggingEditor, public ListBoxEvents, public ColorPickerEvents {
public:
    static ole::Ptr<ControlEventEditor> Create() { return ole::MakeObject<ControlEventEditor>(); }
    void LetValue(const ole::Variant& newValue) override {
        LoggingEditor::LetValue(newValue);
        if (onShow)
            onShow();
    }
    void LetVisible(bool show) override {
        LoggingEditor::LetVisible(show);
        if (show && onShow)
            onShow();
    }
    void ListEditorChange() override {
        ++changes;
        Commit();
    }
    void ColorPickerSelectedColorChanged() override {
        ++changes;
        Commit();
    }
    int changes = 0;
    // Run when the list shows a value or the editor: a control reporting a change right then.
    std::function<void()> onShow;
};

// Makes each given editor the built-in one for its slot while the scope lives; what was
// provided before comes back afterwards. Binding is recorded in `bound` by editor name.
class ScopedBuiltins {
public:
    ScopedBuiltins() = default;
    ScopedBuiltins(const ScopedBuiltins&) = delete;
    ScopedBuiltins& operator=(const ScopedBuiltins&) = delete;
    ~ScopedBuiltins() {
        for (const auto& [type, maker] : m_saved) {
            if (maker.create)
                BuiltinEditors::Provide(type, maker);
            else
                BuiltinEditors::Withdraw(type);
        }
    }

    // The editor made for `type`'s slot; it is created once, when a list sets up.
    void Provide(int32_t type, const ole::Ptr<LoggingEditor>& editor,
                 std::vector<std::string>* log = nullptr) {
        if (!m_saved.contains(type)) {
            const auto* previous = BuiltinEditors::Find(type);
            m_saved[type] = previous ? *previous : BuiltinEditors::Maker{};
        }
        editor->name = "T" + std::to_string(type);
        BuiltinEditors::Provide(
            type, {[editor, log] {
                       if (log)
                           log->push_back("create " + editor->name);
                       return ole::Ptr<CEditor>(editor);
                   },
                   [this, editor, log](CEditor&, const BuiltinEditorBindings& bindings) {
                       if (log)
                           log->push_back("bind " + editor->name);
                       bound[editor->name] = bindings;
                   }});
    }

    std::map<std::string, BuiltinEditorBindings> bound;

private:
    std::map<int32_t, BuiltinEditors::Maker> m_saved;
};

} // namespace attrgrid::test
