#include "platform/forms/description/FormLoader.h"
#include "platform/forms/Forms.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/form/MdiForm.h"
#include "platform/ole/Ole.h"
#include "platform/win/Win.h"
#include "platform/win/menu/MenuConstants.h"

#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

// Keeps what its ReadProperties found, to show the literal arrived through the bag.
class LiteralControl : public UserControl {
public:
    static constexpr const char* kProgId = "LiteralLib.LiteralControl";
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<LiteralControl>("LiteralControl").Library("LiteralLib").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    std::string caption = "unset";
    int32_t count = -1;
    bool shown = false;
    bool userMode = false;
    bool initialised = false;
    ole::Ptr<ole::Object> font;
    ole::Ptr<ole::Object> picture;

protected:
    void OnInitProperties() override { initialised = true; }
    void OnReadProperties(ole::PropertyBag& bag) override {
        userMode = GetAmbient()->UserMode();
        caption = bag.ReadProperty("Caption", ole::Variant("General")).AsString();
        count = bag.ReadProperty("Count", ole::Variant(int32_t{0})).AsI4();
        shown = bag.ReadProperty("Shown", ole::Variant(false)).AsBool();
        font = bag.ReadProperty("Font", ole::Variant::Nothing()).AsObject();
        picture = bag.ReadProperty("Picture", ole::Variant::Nothing()).AsObject();
    }
};

const FormDescription kDescription{
    .kind = FormKind::Plain,
    .name = "frmSample",
    .caption = "Sample",
    .clientWidth = 3000,
    .clientHeight = 1500,
    .borderStyle = 3,
    .keyPreview = true,
    .menus = {{.name = "mnuFormat",
               .caption = "For&mat",
               .children = {{.name = "mnuAlign",
                             .caption = "&Align",
                             .children = {{.name = "mnuAlignLeft", .caption = "&Left"}}},
                            {.name = "mnuSep", .caption = "-"},
                            {.name = "mnuShrink",
                             .caption = "Horz Shrink ",
                             .shortcutModifiers = win::FVIRTKEY | win::FCONTROL,
                             .shortcutKey = 'S',
                             .checked = true}}}},
    .controls = {{.classId = LiteralControl::kProgId,
                  .name = "m_Bar",
                  .width = 3000,
                  .height = 375,
                  .align = 1,
                  .bag = std::vector<PropertyLiteral>{{"Caption", ole::Variant("")},
                                                      {"Count", ole::Variant(int32_t{4})},
                                                      {"Shown", ole::Variant(true)},
                                                      {"Font", FontLiteral{.name = "MS Sans Serif",
                                                                           .size = 8.25}},
                                                      {"Picture", PictureLiteral{7}}}},
                 {.classId = LiteralControl::kProgId,
                  .name = "m_Fresh",
                  .top = 375,
                  .width = 600,
                  .height = 600,
                  .visible = false},
                 {.classId = "VB.Frame",
                  .name = "fraBox",
                  .left = 750,
                  .top = 450,
                  .width = 1500,
                  .height = 900},
                 {.classId = "VB.CommandButton",
                  .name = "cmdGo",
                  .container = "fraBox",
                  .left = 150,
                  .top = 300,
                  .width = 1050,
                  .height = 345,
                  .properties = {{"Caption", ole::Variant("&Go")}}}}};

class FormLoaderTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        ole::RegisterClass(LiteralControl::kProgId,
                           ole::Guid::FromString("{3B0C9A1E-2D4F-4E6A-8B7C-1D2E3F4A5B6C}"),
                           [] { return ole::Ptr<ole::Object>(ole::MakeObject<LiteralControl>()); },
                           &LiteralControl::Info(), {.control = true});
        m_picture = ole::Picture::CreateEmpty();
    }
    void TearDown() override {
        if (m_form && m_form->IsLoaded())
            m_form->UnloadForm();
        m_form = nullptr;
        m_picture = nullptr;
        CleanPlatform::TearDown();
    }
    ole::Ptr<Form> Load(const FormDescription& description) {
        m_form = FormLoader::Realise(description,
                                     [this](int id) { return id == 7 ? m_picture : nullptr; });
        m_form->LoadForm();
        return m_form;
    }
    LiteralControl& Literal(std::string_view name) {
        return static_cast<LiteralControl&>(
            *ole::PtrCast<Extender>(m_form->FindControl(name))->Inner());
    }

    ole::Ptr<Form> m_form;
    ole::Ptr<ole::Picture> m_picture;
};

TEST_F(FormLoaderTest, SitesTheControlsInOrderWithTheirGeometryContainersAndProperties) {
    Load(kDescription);
    EXPECT_EQ(m_form->Caption(), "Sample");
    EXPECT_EQ(m_form->BorderStyle(), 3);
    EXPECT_TRUE(m_form->KeyPreview());
    EXPECT_FLOAT_EQ(m_form->ScaleWidth(), 3000);
    EXPECT_FLOAT_EQ(m_form->ScaleHeight(), 1500);

    const auto& controls = m_form->ControlList();
    ASSERT_EQ(controls.size(), 4u);
    const char* names[] = {"m_Bar", "m_Fresh", "fraBox", "cmdGo"};
    for (int16_t i = 0; i < 4; ++i) {
        EXPECT_EQ(controls[static_cast<size_t>(i)]->Name(), names[i]);
        EXPECT_EQ(controls[static_cast<size_t>(i)]->TabIndex(), i);
    }
    const auto button = ole::PtrCast<CommandButton>(m_form->FindControl("cmdGo"));
    EXPECT_EQ(button->Caption(), "&Go");
    EXPECT_EQ(button->Container().Get(), m_form->FindControl("fraBox").Get());
    EXPECT_FLOAT_EQ(button->Left(), 150);
    EXPECT_FLOAT_EQ(button->Width(), 1050);
    EXPECT_FALSE(m_form->FindControl("m_Fresh")->Visible());
    EXPECT_EQ(ole::PtrCast<Extender>(m_form->FindControl("m_Bar"))->Align(), 1);
}

TEST_F(FormLoaderTest, AUserControlReadsItsLiteralThroughItsOwnPersistenceInUserMode) {
    Load(kDescription);
    const auto& bar = Literal("m_Bar");
    EXPECT_FALSE(bar.initialised);
    EXPECT_TRUE(bar.userMode);
    EXPECT_EQ(bar.caption, ""); // present though empty: not the read default
    EXPECT_EQ(bar.count, 4);
    EXPECT_TRUE(bar.shown);
    const auto font = ole::PtrCast<ole::Font>(bar.font);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->Name(), "MS Sans Serif");
    EXPECT_EQ(font->Size().scaled, 82500);
    EXPECT_EQ(bar.picture.Get(), m_picture.Get());
    EXPECT_TRUE(Literal("m_Fresh").initialised);
}

TEST_F(FormLoaderTest, BuildsTheMenuTreeOnceAndTheControlsAtEveryLoad) {
    Load(kDescription);
    auto& bar = m_form->MenuBar();
    ASSERT_EQ(bar.Items().size(), 1u);
    const auto shrink = bar.Find("mnuShrink");
    ASSERT_TRUE(shrink);
    EXPECT_EQ(shrink->GetCaption(), "Horz Shrink ");
    EXPECT_TRUE(shrink->GetChecked());
    EXPECT_EQ(shrink->Shortcut().key, 'S');
    EXPECT_TRUE(bar.Find("mnuAlignLeft"));

    m_form->UnloadForm();
    m_form->LoadForm();
    EXPECT_EQ(m_form->ControlList().size(), 4u);
    EXPECT_EQ(bar.Items().size(), 1u);
}

TEST_F(FormLoaderTest, UnknownClassesAndPicturesEndTheLoad) {
    FormDescription unknown{.name = "frmBad",
                            .controls = {{.classId = "Nowhere.Thing", .name = "x"}}};
    m_form = FormLoader::Realise(unknown);
    EXPECT_EQ(testsupport::ErrorOf([&] { m_form->LoadForm(); }), 711);

    const PropertyLiteral missing[] = {{"Picture", PictureLiteral{99}}};
    EXPECT_EQ(testsupport::ErrorOf([&] { FormLoader::BuildBag(missing, {}); }), 380);
}

} // namespace

namespace {

TEST_F(FormLoaderTest, MdiKindsMakeAFrameAndAChildLoadedInsideIt) {
    const FormDescription frame{.kind = FormKind::MdiFrame, .name = "frmMain"};
    const FormDescription child{
        .kind = FormKind::MdiChild, .name = "frmDoc", .clientWidth = 1500, .clientHeight = 900};
    auto main = ole::PtrCast<MdiForm>(FormLoader::Realise(frame));
    ASSERT_TRUE(main);
    m_form = FormLoader::Realise(child);
    m_form->LoadForm();
    EXPECT_TRUE(main->IsLoaded());
    EXPECT_EQ(win::GetParent(m_form->Window()), main->ClientWindow());
    EXPECT_FLOAT_EQ(m_form->ScaleWidth(), 1500);
    m_form->UnloadForm();
    main->UnloadForm();
}

} // namespace
