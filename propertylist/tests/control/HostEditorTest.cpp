// Editors a host writes against the editor interface by automation alone: registered through the
// control's dispatch and driven by the interface's member ids through the whole edit.

#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"

#include "propertylist/editors/CEditor.h"
#include "propertylist/editors/CEditorListener.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/WeakRef.h"

#include <string>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

// A host editor as a script would write it: members by the interface's ids, the listener kept
// as a weak id and called late-bound with the editor itself.
class ScriptEditor : public ole::Object {
public:
    static ole::Ptr<ScriptEditor> Create() { return ole::MakeObject<ScriptEditor>(); }
    static const ole::ClassInfo& Info() {
        using C = ScriptEditor;
        static const ole::ClassInfo info =
            ole::ClassBuilder<C>("ScriptEditor")
                .Get("ScaleMode", CEditor::IdScaleMode, &C::ScaleMode)
                .Property("Value", CEditor::IdValue, &C::GetValue, &C::LetValue)
                .Property("Visible", CEditor::IdVisible, &C::GetVisible, &C::LetVisible)
                .Get("hwnd", CEditor::IdHwnd, &C::hwnd)
                .Let("hFont", CEditor::IdHFont, &C::LethFont)
                .Method("Reset", CEditor::IdReset, &C::Reset)
                .Method("Commit", CEditor::IdCommit, &C::Commit)
                .Method("Cancel", CEditor::IdCancel, &C::Cancel)
                .Method("Move", CEditor::IdMove, &C::Move)
                .Method("init", CEditor::IdInit, &C::init)
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    // Answers for the editor interface it implements.
    ole::Ptr<ole::Object> QueryInterface(const ole::Guid& iid) override {
        if (iid == CEditor::Info().InterfaceId())
            return ole::Ptr<ole::Object>(this);
        return ole::Object::QueryInterface(iid);
    }

    int32_t ScaleMode() {
        calls.push_back("ScaleMode");
        return 3;
    }
    ole::Variant GetValue() { return value; }
    void LetValue(const ole::Variant& newValue) {
        calls.push_back("Value");
        value = newValue;
    }
    bool GetVisible() { return visible; }
    void LetVisible(bool show) {
        calls.push_back(show ? "Visible=True" : "Visible=False");
        visible = show;
    }
    int32_t hwnd() {
        calls.push_back("hwnd");
        return 0;
    }
    void LethFont(int32_t) { calls.push_back("hFont"); }
    void Reset(const ole::Variant& aProperty, const ole::Variant& anEditorListener) {
        calls.push_back("Reset");
        property = aProperty.AsObject();
        m_listener = ole::PtrOfObject(anEditorListener.AsObject().Get());
    }
    void Commit() {
        calls.push_back("Commit");
        if (refusal)
            throw *refusal;
        Notify(0x60030000);
    }
    void Cancel() {
        calls.push_back("Cancel");
        Notify(0x60030001);
    }
    void Move(float left, float top, float width, float height) {
        calls.push_back("Move");
        moved = {left, top, width, height};
    }
    void init(int32_t parent) {
        calls.push_back("init");
        initParent = parent;
    }

    std::vector<std::string> calls;
    ole::Variant value;
    bool visible = false;
    int32_t initParent = -1;
    std::vector<float> moved;
    ole::Ptr<ole::Object> property;
    std::optional<ole::Error> refusal;

private:
    void Notify(ole::DISPID id) {
        const ole::Ptr<ole::Object> listener = ole::ObjectFromPtr(m_listener);
        if (!listener)
            return;
        ole::Variant args[] = {ole::Variant(ole::Ptr<ole::Object>(this))};
        ole::CallMethodById(ole::Variant(listener), id, args);
    }

    uint32_t m_listener = 0;
};

class HostEditorTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        AnswerMessageBoxesWithOk();
    }
    void TearDown() override {
        for (auto& [source, cookie] : m_cookies)
            ole::DisconnectEvents(source, cookie);
        m_cookies.clear();
        forms::MessageBoxResponder().Reset();
        GridFixture::TearDown();
    }
    void Listen(const ole::Ptr<ole::Object>& source, const ole::Ptr<ole::EventSink>& sink) {
        m_cookies.emplace_back(source, ole::ConnectEvents(source, sink));
    }
    ole::Ptr<CProperty> AddCustom(const char* name, ole::Variant value, const char* key) {
        auto property =
            Grid().GetProperties()->Add(name, std::move(value), "", shared::KSCustomEditor);
        property->LetEditorKey(key);
        return property;
    }

private:
    std::vector<std::pair<ole::Ptr<ole::Object>, uint32_t>> m_cookies;
};

TEST_F(HostEditorTest, AScriptEditorRunsTheWholeEditThroughItsMemberIds) {
    Z& grid = ShowGrid();
    auto editor = ScriptEditor::Create();
    editor->visible = true;
    EXPECT_TRUE(Call(Z::IdRegisterEditor, {ole::Variant("range"), ole::Variant(editor)}).AsBool());
    EXPECT_EQ(editor->calls, (std::vector<std::string>{"init", "Visible=False"}));
    EXPECT_EQ(editor->initParent, static_cast<int32_t>(grid.GridWnd().Value()));

    // The listener hands its handlers the very object the host registered.
    std::vector<ole::Ptr<ole::Object>> committed;
    auto listenerSink = ole::EventSink::Create();
    listenerSink->On(CEditorListener::CommitEdit, [&](std::span<ole::Variant> args) {
        committed.push_back(args[0].AsObject());
    });
    Listen(GridTestAccess::Listener(grid), listenerSink);
    std::vector<std::string> validated;
    auto gridSink = ole::EventSink::Create();
    gridSink->On(Z::EvValidateValue,
                 [&](std::span<ole::Variant> args) { validated.push_back(ole::CStr(args[1])); });
    Listen(GridObject(), gridSink);

    auto property = AddCustom("Range", ole::Variant("1-5"), "RANGE");
    editor->calls.clear();
    grid.SetSelectedProperty(property);
    EXPECT_EQ(editor->calls, (std::vector<std::string>{"hwnd", "hFont", "Reset", "ScaleMode",
                                                       "Move", "Value", "Visible=True"}));
    EXPECT_TRUE(ole::Is(editor->property, property));
    EXPECT_EQ(editor->value.AsString(), "1-5");
    EXPECT_EQ(editor->moved.size(), 4U);
    ASSERT_TRUE(grid.ActiveEditor());
    EXPECT_EQ(grid.ActiveEditor()->Identity(), editor.Get());

    // The host editor ends its own edit.
    editor->value = ole::Variant("2-8");
    editor->Commit();
    ASSERT_EQ(committed.size(), 1U);
    EXPECT_TRUE(ole::Is(committed[0], editor));
    EXPECT_EQ(validated, std::vector<std::string>{"2-8"});
    EXPECT_EQ(property->GetValue().AsString(), "2-8");
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());

    // The list ends it: a row change commits through the host's Commit.
    grid.SelectNode(nullptr);
    grid.SetSelectedProperty(property);
    editor->value = ole::Variant("3-9");
    auto other = grid.GetProperties()->Add("Other", ole::Variant(1));
    other->LetReadOnly(true);
    grid.SetSelectedProperty(other);
    EXPECT_EQ(property->GetValue().AsString(), "3-9");
    EXPECT_FALSE(editor->visible);

    // A cancel stores nothing.
    grid.SetSelectedProperty(property);
    editor->value = ole::Variant("never");
    editor->Cancel();
    EXPECT_EQ(property->GetValue().AsString(), "3-9");
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_EQ(validated.size(), 2U);
}

TEST_F(HostEditorTest, AHostEditorsRefusalIsReportedOnce) {
    Z& grid = ShowGrid();
    auto editor = ScriptEditor::Create();
    grid.RegisterEditor("range", editor);
    std::vector<int32_t> errors;
    auto sink = ole::EventSink::Create();
    sink->On(Z::EvDisplayError, [&](std::span<ole::Variant> args) {
        errors.push_back(args[1].AsI4());
        args[2].Deref() = ole::Variant(false);
    });
    Listen(GridObject(), sink);
    auto next = ScriptEditor::Create();
    grid.RegisterEditor("next", next);
    auto property = AddCustom("Range", ole::Variant("1-5"), "range");
    auto other = AddCustom("Other", ole::Variant("x"), "next");
    grid.SetSelectedProperty(property);
    editor->refusal = ole::Error(380, "Invalid property value", "Range");
    grid.SetSelectedProperty(other);
    EXPECT_EQ(errors, std::vector<int32_t>{380});
    EXPECT_FALSE(editor->visible);
    EXPECT_EQ(property->GetValue().AsString(), "1-5");
    EXPECT_TRUE(ole::Is(grid.GetSelectedProperty(), other));
    // The selection goes on and opens the new row's editor.
    ASSERT_TRUE(grid.ActiveEditor());
    EXPECT_EQ(grid.ActiveEditor()->Identity(), next.Get());
    EXPECT_TRUE(next->visible);
}

// The host unregisters the editor and drops its own reference while the edit is ending.
TEST_F(HostEditorTest, UnregisteringFromValidateValueEndsTheEditCleanly) {
    Z& grid = ShowGrid();
    auto editor = ScriptEditor::Create();
    const ole::WeakRef<ScriptEditor> weak(editor.Get());
    grid.RegisterEditor("range", editor);
    int validations = 0;
    auto sink = ole::EventSink::Create();
    sink->On(Z::EvValidateValue, [&](std::span<ole::Variant>) {
        ++validations;
        Grid().UnRegisterEditor("range");
        editor = nullptr;
    });
    Listen(GridObject(), sink);
    auto property = AddCustom("Range", ole::Variant("1-5"), "range");
    grid.SetSelectedProperty(property);
    weak.Lock()->value = ole::Variant("4-6");
    grid.CommitActiveEditor();
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(property->GetValue().AsString(), "4-6");
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_FALSE(weak.Lock());
}

// Unloading the form with an edit open leaves nothing behind (the fixture counts).
TEST_F(HostEditorTest, TheControlGoesWithAnEditorOpen) {
    Z& grid = ShowGrid();
    auto editor = ScriptEditor::Create();
    grid.RegisterEditor("range", editor);
    grid.SetSelectedProperty(AddCustom("Range", ole::Variant("1-5"), "range"));
    ASSERT_TRUE(grid.ActiveEditor());
    editor = nullptr;
    Unload();
}

TEST_F(HostEditorTest, ObjectsThatAreNoEditorsAreRefused) {
    Z& grid = ShowGrid();
    try {
        Call(Z::IdRegisterEditor, {ole::Variant("font"), ole::Variant(ole::Font::Create())});
        ADD_FAILURE() << "a font was taken as an editor";
    } catch (const ole::Error& error) {
        EXPECT_EQ(error.Number(), ole::ERR_TYPE_MISMATCH);
    }
    EXPECT_FALSE(grid.RegisterEditor("none", nullptr));
}

// The handler may drop the last references to the editor and to the listener; both live until
// the notification returns and are freed afterwards.
TEST_F(HostEditorTest, ANotifyOutlivesAHandlerThatDropsEveryReference) {
    auto listener = CEditorListener::Create();
    auto editor = TestEditor::Create();
    const ole::WeakRef<CEditorListener> weakListener(listener.Get());
    const ole::WeakRef<TestEditor> weakEditor(editor.Get());
    editor->Reset(nullptr, listener);
    ole::Object* received = nullptr;
    auto sink = ole::EventSink::Create();
    sink->On(CEditorListener::CommitEdit, [&](std::span<ole::Variant> args) {
        received = args[0].AsObject().Get();
        listener = nullptr;
        editor = nullptr;
    });
    const uint32_t cookie = ole::ConnectEvents(listener, sink);
    TestEditor* raw = editor.Get();
    raw->Commit();
    EXPECT_EQ(received, raw);
    EXPECT_FALSE(weakListener.Lock());
    EXPECT_FALSE(weakEditor.Lock());
    (void)cookie;

    // An editor whose listener is gone commits and cancels nothing.
    auto orphan = TestEditor::Create();
    {
        auto shortLived = CEditorListener::Create();
        orphan->Reset(nullptr, shortLived);
    }
    orphan->Commit();
    orphan->Cancel();
    EXPECT_EQ(orphan->commits, 1);
}

} // namespace
} // namespace attrgrid::test
