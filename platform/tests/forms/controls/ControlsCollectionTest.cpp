#include "ControlFixture.h"

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/ControlTypes.h"
#include "platform/forms/controls/frame/Frame.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/object/TypeName.h"

namespace controlstest {
namespace {

class ControlsCollectionTest : public ControlTest {
protected:
    ole::Variant Controls() { return ole::GetObjectProperty(ole::Variant(m_form), "Controls"); }
    ole::Ptr<ole::Object> Add(std::string_view progId, std::string_view name,
                              ole::Ptr<ole::Object> container = {}) {
        std::vector<ole::Variant> args{ole::Variant(std::string(progId)),
                                       ole::Variant(std::string(name))};
        if (container)
            args.emplace_back(std::move(container));
        return ole::RequireObject(ole::CallMethod(Controls(), "Add", args));
    }
    void Remove(ole::Variant which) {
        ole::Variant args[] = {std::move(which)};
        ole::CallMethod(Controls(), "Remove", args);
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& control : m_form->ControlList())
            names.push_back(control->Name());
        return names;
    }
};

TEST_F(ControlsCollectionTest, AddResolvesClassIdsWithoutCaseAndSitesHiddenOnTop) {
    const auto frame = Add("vb.frame", "fraBox");
    const auto line = Add("VB.LINE", "linEdge", frame);
    const auto label = Add("Vb.Label", "lblCaption", frame);
    EXPECT_EQ(ole::TypeName(frame.Get()), "Frame");
    EXPECT_EQ(ole::TypeName(line.Get()), "Line");
    EXPECT_FALSE(ole::GetProperty(ole::Variant(frame), "Visible").AsBool());
    EXPECT_TRUE(
        ole::Is(ole::GetObjectProperty(ole::Variant(label), "Container"), ole::Variant(frame)));
    const auto lbl = ole::PtrCast<forms::Control>(label);
    EXPECT_GT(lbl->ZPosition(), ole::PtrCast<forms::Control>(line)->ZPosition());
    // Flat, in creation order, zero-based, by name.
    EXPECT_EQ(ole::GetProperty(Controls(), "Count").AsI4(), 3);
    ole::Variant second[] = {ole::Variant(int32_t{1})};
    EXPECT_TRUE(ole::Is(ole::GetObjectProperty(Controls(), "Item", second), ole::Variant(line)));
    EXPECT_EQ(Names(), (std::vector<std::string>{"fraBox", "linEdge", "lblCaption"}));
}

TEST_F(ControlsCollectionTest, AddRefusesBadClassNameAndContainer) {
    Add("VB.TextBox", "txtOne");
    const auto text = m_form->FindControl("txtOne");
    const auto other = forms::Form::Create("frmOther");
    other->LoadForm();
    const auto foreign = other->Add("VB.Frame", "fraForeign");
    const struct {
        const char* progId;
        const char* name;
        ole::Ptr<ole::Object> container;
        int32_t error;
    } cases[] = {
        {"VB.NoSuchThing", "x1", nullptr, ole::ERR_INVALID_CLASS_STRING},
        {"Nowhere.Widget", "x2", nullptr, ole::ERR_INVALID_CLASS_STRING},
        {"VB.Label", "TXTONE", nullptr, ole::ERR_DUPLICATE_CONTROL_NAME},
        {"VB.Label", "1st", nullptr, ole::ERR_INVALID_CALL},
        {"VB.Label", "has space", nullptr, ole::ERR_INVALID_CALL},
        {"VB.Label", "", nullptr, ole::ERR_INVALID_CALL},
        {"VB.Label", "lblInText", text, ole::ERR_INVALID_CALL},
        {"VB.Label", "lblAbroad", foreign, ole::ERR_INVALID_CALL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf([&] { Add(c.progId, c.name, c.container); }), c.error) << c.name;
    EXPECT_EQ(Names(), std::vector<std::string>{"txtOne"});
    other->UnloadForm();
}

TEST_F(ControlsCollectionTest, ContainerAndTypeTestsAnswerWithoutTouchingControls) {
    const auto frame = Add("VB.Frame", "fraA");
    const auto picture = Add("VB.PictureBox", "picA");
    const auto text = Add("VB.TextBox", "txtA");
    const auto line = Add("VB.Line", "linA");
    // The type tests a host makes.
    EXPECT_TRUE(forms::IsForm(m_form.Get()));
    EXPECT_FALSE(forms::IsFormControl(m_form.Get()));
    EXPECT_TRUE(forms::IsFormControl(text.Get()));
    EXPECT_FALSE(forms::IsControlExtender(text.Get()));
    EXPECT_TRUE(forms::IsLine(line.Get()));
    EXPECT_FALSE(forms::IsLine(frame.Get()));
    EXPECT_FALSE(forms::IsFormControl(nullptr));
    EXPECT_EQ(ErrorOf([&] { ole::GetProperty(ole::Variant(text), "object"); }), ole::ERR_NO_MEMBER);
    EXPECT_TRUE(forms::IsContainer(m_form.Get()));
    EXPECT_TRUE(forms::IsContainer(frame.Get()));
    EXPECT_TRUE(forms::IsContainer(picture.Get()));
    EXPECT_FALSE(forms::IsContainer(text.Get()));
    EXPECT_FALSE(forms::IsContainer(line.Get()));
    EXPECT_FALSE(forms::IsContainer(nullptr));
    EXPECT_EQ(m_form->ControlList().size(), 4u);
}

TEST_F(ControlsCollectionTest, RemoveByPositionNameOrObjectTakesContainedControlsAlong) {
    const size_t windows = win::test::LiveWindowCount();
    const auto designed = Site(forms::TextBox::Create(), "txtDesigned", {0, 0, 50, 20});
    const auto frame = Add("VB.Frame", "fraOuter");
    const auto picture = Add("VB.PictureBox", "picInner", frame);
    const auto label = Add("VB.Label", "lblDeep", picture);
    const auto text = Add("VB.TextBox", "txtDeep", picture);
    const auto spare = Add("VB.TextBox", "txtSpare");
    const auto other = Add("VB.Label", "lblOther");

    // Only controls added at run time can go.
    EXPECT_EQ(ErrorOf([&] { Remove(ole::Variant("txtDesigned")); }), ole::ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { Remove(ole::Variant(int32_t{0})); }), ole::ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { Remove(ole::Variant("nobody")); }), ole::ERR_INVALID_CALL);

    Remove(ole::Variant("FRAOUTER"));
    for (const auto& gone : {frame, picture, label, text})
        EXPECT_TRUE(ole::PtrCast<forms::Control>(gone)->IsDead());
    EXPECT_EQ(Names(), (std::vector<std::string>{"txtDesigned", "txtSpare", "lblOther"}));
    Remove(ole::Variant(int32_t{1}));
    Remove(ole::Variant(other));
    EXPECT_TRUE(ole::PtrCast<forms::Control>(spare)->IsDead());
    EXPECT_EQ(Names(), std::vector<std::string>{"txtDesigned"});
    EXPECT_EQ(win::test::LiveWindowCount(), windows + 1);
    EXPECT_TRUE(designed->IsAlive());
}

TEST_F(ControlsCollectionTest, DeadControlsRaise91OnEveryAccessAndKeepTheirIdentity) {
    const auto label = Add("VB.Label", "lblGone");
    const auto text = Add("VB.TextBox", "txtGone");
    const auto picture = Add("VB.PictureBox", "picGone");
    Remove(ole::Variant("lblGone"));
    Remove(ole::Variant("txtGone"));
    Remove(ole::Variant("picGone"));
    for (const auto& dead : {label, text, picture}) {
        const ole::Variant v(dead);
        EXPECT_EQ(ErrorOf([&] { ole::GetProperty(v, "Name"); }), ole::ERR_OBJECT_NOT_SET);
        EXPECT_EQ(ErrorOf([&] { ole::LetProperty(v, "Visible", ole::Variant(true)); }),
                  ole::ERR_OBJECT_NOT_SET);
        EXPECT_EQ(ErrorOf([&] { ole::CallMethod(v, "Refresh"); }), ole::ERR_OBJECT_NOT_SET);
        EXPECT_EQ(ErrorOf([&] { ole::GetPropertyById(v, forms::dispid::Left); }),
                  ole::ERR_OBJECT_NOT_SET);
        EXPECT_TRUE(ole::PtrCast<forms::Control>(dead));
    }
    EXPECT_EQ(ole::TypeName(text.Get()), "TextBox");
    // The controls of an unloaded form die the same way.
    const auto kept = Add("VB.Frame", "fraKept");
    m_form->UnloadForm();
    EXPECT_EQ(ErrorOf([&] { ole::GetProperty(ole::Variant(kept), "Caption"); }),
              ole::ERR_OBJECT_NOT_SET);
}

TEST_F(ControlsCollectionTest, ArrayElementsShareANameAndAnswerIndex) {
    Site(forms::Label::Create(), "lblSingle", {0, 0, 10, 10});
    m_form->AddArrayElement(forms::Label::Create(), "lblRow", 0, {}, {0, 0, 10, 10});
    m_form->AddArrayElement(forms::Label::Create(), "lblRow", 3, {}, {0, 20, 10, 30});
    const auto added = Add("VB.Label", "lblLater");
    const auto& list = m_form->ControlList();
    EXPECT_EQ(ole::GetProperty(ole::Variant(list[1]), "Index").AsI2(), 0);
    EXPECT_EQ(ole::GetProperty(ole::Variant(list[2]), "Index").AsI2(), 3);
    EXPECT_EQ(ole::GetProperty(ole::Variant(list[2]), "Name").AsString(), "lblRow");
    EXPECT_EQ(ErrorOf([&] { ole::GetProperty(ole::Variant(list[0]), "Index"); }),
              ole::ERR_NOT_AN_ARRAY);
    EXPECT_EQ(ErrorOf([&] { ole::GetProperty(ole::Variant(added), "Index"); }),
              ole::ERR_NOT_AN_ARRAY);
    const auto clash = [&](const char* name, int16_t index) {
        return ErrorOf([&] {
            m_form->AddArrayElement(forms::Label::Create(), name, index, {}, {0, 0, 1, 1});
        });
    };
    EXPECT_EQ(clash("lblRow", 3), ole::ERR_DUPLICATE_CONTROL_NAME);
    EXPECT_EQ(clash("lblSingle", 0), ole::ERR_DUPLICATE_CONTROL_NAME);
    EXPECT_EQ(ErrorOf([&] { Add("VB.Label", "lblRow"); }), ole::ERR_DUPLICATE_CONTROL_NAME);
}

TEST_F(ControlsCollectionTest, RemovalFreesTheNameAndTheIndexAndTabIndexFollowsTheHighest) {
    m_form->AddArrayElement(forms::Label::Create(), "lblRow", 0, {}, {0, 0, 10, 10});
    const auto first = Add("VB.Label", "lblFirst");
    const auto last = Add("VB.Label", "lblLast");
    m_form->Remove("LBLROW");
    m_form->AddArrayElement(forms::Label::Create(), "lblRow", 0, {}, {0, 0, 10, 10});
    Remove(ole::Variant(last));
    const auto again = Add("VB.Label", "lblLast");
    EXPECT_TRUE(ole::Is(ole::Variant(m_form->FindControl("lbllast")), ole::Variant(again)));
    // lblFirst 1, lblRow 3: the new lblLast follows lblRow, not the removed one (2).
    EXPECT_EQ(ole::PtrCast<forms::Control>(again)->TabIndex(), 4);
    EXPECT_EQ(Names(), (std::vector<std::string>{"lblFirst", "lblRow", "lblLast"}));
    ole::PtrCast<forms::Control>(first)->SetTabIndex(2);
    EXPECT_EQ(ole::PtrCast<forms::Control>(Add("VB.Label", "lblNext"))->TabIndex(), 3);
}

TEST_F(ControlsCollectionTest, TabIndexNeverWrapsTheControlPastTheLastOneIsRefused) {
    // Each control follows the highest TabIndex on the form, so adding and removing one at a time
    // climbs to the last 16-bit value without holding thousands of controls.
    Add("VB.Label", "lblKept");
    ole::Ptr<ole::Object> last;
    for (int i = 1; i <= 32767; ++i) {
        last = Add("VB.Label", i % 2 ? "lblOdd" : "lblEven");
        if (i > 1)
            m_form->Remove(i % 2 ? "lblEven" : "lblOdd");
    }
    EXPECT_EQ(ole::PtrCast<forms::Control>(last)->TabIndex(), 32767);
    EXPECT_EQ(ErrorOf([&] { Add("VB.CommandButton", "cmdOver"); }), ole::ERR_OVERFLOW);
    EXPECT_EQ(Names(), (std::vector<std::string>{"lblKept", "lblOdd"}));
    // Renumbering frees the values again.
    ole::PtrCast<forms::Control>(last)->SetTabIndex(0);
    EXPECT_EQ(ole::PtrCast<forms::Control>(Add("VB.CommandButton", "cmdOver"))->TabIndex(), 2);
}

TEST_F(ControlsCollectionTest, ContainerMovesBetweenFormFrameAndPictureBoxKeepingPosition) {
    const auto frame = Site(forms::Frame::Create(), "fraHost", {10, 10, 110, 110});
    const auto picture = Site(forms::PictureBox::Create(), "picHost", {120, 10, 220, 110});
    picture->SetBorderStyle(0);
    const auto text = Site(forms::TextBox::Create(), "txtMover", {5, 6, 45, 26});
    const auto label = Site(forms::Label::Create(), "lblMover", {5, 30, 45, 40});
    for (const ole::Ptr<forms::Control>& mover :
         {ole::Ptr<forms::Control>(text), ole::Ptr<forms::Control>(label)}) {
        const float left = mover->Left();
        const float top = mover->Top();
        for (const ole::Ptr<ole::Object>& target :
             {ole::Ptr<ole::Object>(frame), ole::Ptr<ole::Object>(picture),
              ole::Ptr<ole::Object>(m_form)}) {
            SetRef(mover, "Container", target);
            EXPECT_TRUE(ole::Is(mover->Container(), target));
            EXPECT_FLOAT_EQ(mover->Left(), left);
            EXPECT_FLOAT_EQ(mover->Top(), top);
        }
    }
    SetRef(text, "Container", frame);
    EXPECT_EQ(win::GetParent(text->Window()), frame->Window());
    EXPECT_EQ(text->PixelBounds().left, 5);
    EXPECT_EQ(text->PixelBounds().top, 6);

    // Nothing holds itself, its own container or a control that cannot contain.
    SetRef(picture, "Container", frame);
    EXPECT_EQ(ErrorOf([&] { SetRef(frame, "Container", picture); }), ole::ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { SetRef(frame, "Container", frame); }), ole::ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { SetRef(label, "Container", text); }), ole::ERR_INVALID_CALL);
}

TEST_F(ControlsCollectionTest, UnloadingAFormOfEveryControlGivesBackEveryWindowAndObject) {
    const size_t windows = win::test::LiveWindowCount();
    const size_t gdiObjects = win::test::LiveGdiObjectCount();
    const size_t dcs = win::test::LiveDcCount();
    const size_t objects = ole::LiveObjectCount();
    const size_t controls = forms::Control::LiveControlCount();
    {
        auto form = forms::Form::Create("frmEvery");
        form->Show(ole::Variant::Missing(), ole::Variant::Missing());
        const auto frame = form->Add("VB.Frame", "fraAll");
        const auto picture = form->Add("VB.PictureBox", "picAll", frame);
        int n = 0;
        for (const char* progId :
             {"VB.CommandButton", "VB.CheckBox", "VB.OptionButton", "VB.ListBox", "VB.ComboBox",
              "VB.Label", "VB.TextBox", "VB.VScrollBar", "VB.HScrollBar", "VB.Line", "VB.Shape"}) {
            ++n;
            const auto added = form->Add(progId, "ctl" + std::to_string(n),
                                         n % 2 ? ole::Ptr<ole::Object>(picture) : nullptr);
            added->SetVisible(true);
        }
        frame->SetVisible(true);
        picture->SetVisible(true);
        win::test::pump();
        form->Refresh();
        form->UnloadForm();
    }
    win::test::pump();
    EXPECT_EQ(win::test::LiveWindowCount(), windows);
    EXPECT_EQ(win::test::LiveGdiObjectCount(), gdiObjects);
    EXPECT_EQ(win::test::LiveDcCount(), dcs);
    EXPECT_EQ(ole::LiveObjectCount(), objects);
    EXPECT_EQ(forms::Control::LiveControlCount(), controls);
}

} // namespace
} // namespace controlstest
