// The control's automation members by id, its notifications and events, and its property bag.

#include "PickerFixture.h"

#include "testsupport/ErrorOf.h"
#include "testsupport/StoredNames.h"

#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/Equality.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/font/Font.h"
#include "platform/win/gdi/DcGuards.h"
#include "shared/util/ColorUtils.h"

#include <gtest/gtest.h>

namespace huechooser::test {
namespace {

using K = KSColorPicker;
using testsupport::ErrorOf;
using Names = std::vector<std::string>;

constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);

class KSColorPickerTest : public PickerFixture {};

TEST_F(KSColorPickerTest, SelectedColorLetByIdSwitchesTabNotifiesAndRaisesOnlyOnChange) {
    HostPicker();
    ClearLogs();
    Put(K::IdSelectedColor, ole::Variant(kButtonFace));
    EXPECT_EQ(ole::CLng(Get(K::IdActiveTab)), ksSystem);
    EXPECT_EQ(Notified(), (Names{"ActiveTab", "SelectedColor"}));
    EXPECT_EQ(Events(), Names{"SelectedColorChanged"});
    EXPECT_EQ(ole::CLng(Get(K::IdSelectedColor)), kButtonFace);

    ClearLogs();
    Put(K::IdSelectedColor, ole::Variant(kButtonFace));
    EXPECT_TRUE(Notified().empty());
    EXPECT_TRUE(Events().empty());

    for (const auto& [color, text] : {std::pair{kButtonFace, "&H8000000F&"},
                                      std::pair{255, "&H000000FF&"}, std::pair{0, "&H00000000&"}})
        EXPECT_EQ(K::FormatColorText(color), text);
    Put(K::IdSelectedColor, ole::Variant(int32_t{255}));
    EXPECT_EQ(ole::CLng(Get(K::IdActiveTab)), ksPalette);
}

TEST_F(KSColorPickerTest, TheSwatchShowsPaletteSystemAndCustomColours) {
    HostPicker();
    for (const int32_t color : {int32_t{0x0000FF}, kButtonFace, int32_t{0x123456}}) {
        Picker().LetSelectedColor(color);
        win::test::pump();
        const win::WindowDc dc(PickerWindow());
        win::RECT client;
        win::GetClientRect(PickerWindow(), &client);
        // The swatch is the square at the left, 2 pixels in.
        EXPECT_EQ(win::GetPixel(dc.Get(), client.bottom / 2, client.bottom / 2),
                  shared::TranslateColor(static_cast<uint32_t>(color)));
    }
}

// The colour's text is shown as it is written: its ampersands mark no access key, so Alt+H still
// reaches the host's own "&Help" button.
TEST_F(KSColorPickerTest, TheColourTextTakesNoAccessKeyFromTheHostsForm) {
    HostPicker();
    Picker().LetSelectedColor(kButtonFace);
    forms::Form& form = Host().GetForm();
    auto help = forms::CommandButton::Create();
    form.AddControl(help, "cmdHelp", {}, {200, 150, 280, 170});
    help->SetCaption("&Help");
    auto text = forms::TextBox::Create();
    form.AddControl(text, "txtNote", {}, {200, 100, 280, 120});
    win::test::pump();
    win::SetFocus(text->Window());
    win::test::keyPress('H', win::test::Modifiers::Alt);
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), help->Window());
}

TEST_F(KSColorPickerTest, SettersNotifyTheirNamesOnlyForNewValues) {
    HostPicker();
    struct Case {
        ole::DISPID id;
        ole::Variant value;
        const char* notified;
    };
    const Case cases[] = {
        {K::IdBackColor, ole::Variant(int32_t{0x123456}), "Backcolor"},
        {K::IdForeColor, ole::Variant(int32_t{0x654321}), "Forecolor"},
        {K::IdHighlightColor, ole::Variant(int32_t{1}), "HighlightColor"},
        {K::IdPaletteBackColor, ole::Variant(int32_t{2}), "PaletteColor"},
        {K::IdSystemBackColor, ole::Variant(int32_t{3}), "SystemPaletteColor"},
        {K::IdPaletteTabCaption, ole::Variant("Colours"), "PaletteTabCaption"},
        {K::IdAppearance, ole::Variant(int32_t{ks3d}), "Appearance"},
        {K::IdBorderStyle, ole::Variant(int32_t{ksNone}), "BorderStyle"},
    };
    for (const Case& c : cases) {
        ClearLogs();
        Put(c.id, c.value);
        Put(c.id, c.value);
        EXPECT_EQ(Notified(), Names{c.notified});
        EXPECT_TRUE(ole::VariantEquals(Get(c.id), c.value)) << c.notified;
    }
    EXPECT_EQ(ErrorOf([&] { Put(K::IdAppearance, ole::Variant(int32_t{7})); }), 380);
    for (const ole::DISPID id : {K::IdAppearance, K::IdBorderStyle})
        EXPECT_EQ(ErrorOf([&] { Put(id, ole::Variant(int32_t{65536})); }), 6);
    EXPECT_EQ(ole::CLng(Get(K::IdAppearance)), ks3d);
    EXPECT_EQ(ole::CLng(Get(K::IdBorderStyle)), ksNone);
}

TEST_F(KSColorPickerTest, SystemColorNamesResetAndRefuseIndexesOutsideTheTable) {
    HostPicker();
    const auto name = [&](int32_t i) {
        return ole::CStr(Get(K::IdSystemColorName, {ole::Variant(i)}));
    };
    EXPECT_EQ(name(15), "Button Face");
    EXPECT_EQ(name(24), "ToolTip");
    Picker().LetSystemColorName(15, "Knopf");
    EXPECT_EQ(name(15), "Knopf");
    Picker().Invoke(K::IdResetSystemColorsNames, ole::DISPATCH_METHOD, {});
    EXPECT_EQ(name(15), "Button Face");
    EXPECT_EQ(ErrorOf([&] { name(25); }), 9);
    EXPECT_EQ(ErrorOf([&] { Picker().LetSystemColorName(-1, "x"); }), 9);
}

TEST_F(KSColorPickerTest, FontSetCopiesIntoTheControlsOwnFont) {
    HostPicker();
    const ole::Variant own = Get(K::IdFont);
    auto font = ole::Font::Create();
    font->SetName("DejaVu Serif");
    font->SetBold(true);
    ClearLogs();
    ole::Variant args[] = {ole::Variant(font)};
    Picker().Invoke(K::IdFont, ole::DISPATCH_PROPERTYPUTREF, args);
    const auto now = ole::PtrCast<ole::Font>(Get(K::IdFont).AsObject());
    EXPECT_EQ(now.Get(), own.AsObject().Get());
    EXPECT_NE(now.Get(), font.Get());
    EXPECT_EQ(now->Name(), "DejaVu Serif");
    EXPECT_TRUE(now->Bold());
    EXPECT_EQ(Notified(), Names{"Font"});
}

TEST_F(KSColorPickerTest, ANewControlWritesNoKey) {
    HostPicker();
    EXPECT_TRUE(Save()->Entries().Size() == 0);
    EXPECT_EQ(ole::CLng(Get(K::IdPaletteBackColor)), K::DefaultPaletteBackColor());
    EXPECT_EQ(ole::CLng(Get(K::IdBackColor)), static_cast<int32_t>(0x80000005));
    EXPECT_EQ(ole::CLng(Get(K::IdForeColor)), static_cast<int32_t>(0x80000012));
    EXPECT_EQ(ole::CStr(Get(K::IdSystemTabCaption)), "System");
}

TEST_F(KSColorPickerTest, BagRoundTripKeepsChangedValuesAndCustomColoursReadBefore) {
    auto bag = ole::PropertyBag::Create();
    bag->WriteProperty("ActiveTab", ole::Variant(int32_t{0}), ole::Variant(int32_t{1}));
    bag->WriteProperty("SelectedColor", ole::Variant(kButtonFace), ole::Variant(int32_t{0}));
    bag->WriteProperty("CustomColor5", ole::Variant(int32_t{0x123456}), ole::Variant(0));
    bag->WriteProperty("SystemTabCaption", ole::Variant("Sys"), ole::Variant(""));
    HostPicker(bag.Get());
    EXPECT_EQ(Picker().GetActiveTab(), ksSystem);
    EXPECT_EQ(Picker().GetSelectedColor(), kButtonFace);

    const auto saved = Save();
    EXPECT_EQ(ole::CLng(saved->ReadProperty("CustomColor5", 0)), 0x123456);
    EXPECT_EQ(ole::CStr(saved->ReadProperty("SystemTabCaption", "")), "Sys");
    EXPECT_EQ(saved->Entries().Size(), 4u);

    Reload(*saved);
    EXPECT_EQ(Picker().GetSelectedColor(), kButtonFace);
    EXPECT_EQ(Picker().GetSystemTabCaption(), "Sys");
    EXPECT_EQ(ole::CLng(Save()->ReadProperty("CustomColor5", 0)), 0x123456);
    PressButton();
    EXPECT_EQ(DropDown().GetCustomColor(5), 0x123456) << "the first drop-down gets what was read";
    Key(win::VK_ESCAPE);
}

// Every key changed is stored in the stored form's order; reading follows it, so a host handling
// SelectedColorChanged during the load already sees the stored tab captions.
TEST_F(KSColorPickerTest, KeysAreWrittenAndReadInTheStoredFormsOrder) {
    K& picker = HostPicker();
    picker.LetAppearance(ks3d);
    picker.LetSelectedColor(0x0000FF);
    picker.LetActiveTab(ksSystem);
    picker.LetBackColor(0x111111);
    picker.LetBorderStyle(ksNone);
    picker.GetFont()->SetBold(true);
    picker.LetForeColor(0x222222);
    picker.LetHighlightColor(0x333333);
    picker.LetHighlightForeColor(0x444444);
    picker.LetPaletteBackColor(0x555555);
    picker.LetSystemBackColor(0x666666);
    picker.LetPaletteTabCaption("Farben");
    picker.LetSystemTabCaption("Namen");
    picker.LetToolTipBackColor(0x777777);
    picker.LetToolTipForeColor(0x888888);
    picker.DropDownCustomColorChanged(3, 0x999999);
    const auto saved = Save();
    EXPECT_EQ(testsupport::StoredNames(*saved),
              (Names{"Appearance", "ActiveTab", "Backcolor", "BorderStyle", "Font", "Forecolor",
                     "HighlightColor", "HighlightForeColor", "PaletteBackColor",
                     "PaletteTabCaption", "SystemTabCaption", "SystemBackColor", "SelectedColor",
                     "ToolTipBackColor", "ToolTipForeColor", "CustomColor3"}));

    std::string seen;
    auto stored = ole::PtrCast<K>(ole::ClassRegistry::Create(K::kProgId));
    auto sink = ole::EventSink::Create();
    sink->On(K::EvSelectedColorChanged, [&](std::span<ole::Variant>) {
        seen = stored->GetPaletteTabCaption() + "/" + stored->GetSystemTabCaption();
    });
    const uint32_t cookie = ole::ConnectEvents(ole::Ptr<ole::Object>(stored), sink);
    {
        forms::test::TestHost host;
        const auto copy = ole::PropertyBag::FromBytes(saved->ToBytes());
        host.Host(stored, "Picker2", kBounds, copy.Get());
        EXPECT_EQ(seen, "Farben/Namen");
        ole::DisconnectEvents(ole::Ptr<ole::Object>(stored), cookie);
    }
    stored = nullptr;
    win::test::pump();
}

TEST_F(KSColorPickerTest, InDesignModeItLoadsSavesAndAnswersItsMembers) {
    auto bag = ole::PropertyBag::Create();
    bag->WriteProperty("Forecolor", ole::Variant(int32_t{0x00FF00}), ole::Variant(0));
    HostPicker(bag.Get(), kBounds, HostMode::Design);
    EXPECT_EQ(ole::CLng(Get(K::IdForeColor)), 0x00FF00);
    Put(K::IdSelectedColor, ole::Variant(int32_t{255}));
    EXPECT_EQ(ole::CLng(Save()->ReadProperty("SelectedColor", 0)), 255);
}

} // namespace
} // namespace huechooser::test
