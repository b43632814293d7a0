#include "buttonbar/pages/AppearancePage.h"

#include "buttonbar/control/KSButtonBar.h"

#include "platform/forms/controls/buttons/CheckBox.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/lists/ComboBox.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/convert/Conversions.h"

#include <initializer_list>

namespace shelfstrip {

namespace {

constexpr std::initializer_list<const char*> kAppearanceRows = {
    "0 - ksFlat",           "1 - ksFlatWithBorder",  "2 - ksClassic3DRaised",
    "3 - ksModern3dRaised", "4 - ksClassic3dSunken", "5 - ksModern3dSunken"};
constexpr std::initializer_list<const char*> kGradientRows = {
    "0-ksGradientNone", "1-ksGradientHorizontal", "2-ksGradientHorizontalCenter",
    "3-ksGradientVertical", "4-ksGradientVerticalCenter"};
constexpr std::initializer_list<const char*> kPointerRows = {
    "0 - Default",     "1 - Arrow",           "2 - Crosshair",      "3 - Ibeam",
    "4 - IconPointer", "5 - SizePointer",     "6 - SizeNESW",       "7 - SizeNS",
    "8 - SizeNWSE",    "9 - SizeWE",          "10 - UpArrow",       "11 - Hourglass",
    "12 - NoDrop",     "13 - ArrowHourglass", "14 - ArrowQuestion", "15 - SizeAll",
    "16 - Custom"};

// The left column is the wider one: "Selected Button Appearance" needs it on one line.
constexpr int kLeft = 6;
constexpr int kLeftEnd = 170;
constexpr int kRight = 176;
constexpr int kRightEnd = 330;

ole::Variant CheckedAsBoolean(const forms::CheckBox& check) {
    return ole::Variant(check.GetValue() == 1);
}

} // namespace

const ole::ClassInfo& AppearancePage::Info() {
    static const ole::ClassInfo info = BuildInfo(pages::kAppearance);
    return info;
}

AppearancePage::AppearancePage() : BarPage(pages::kAppearance, Info()) {}

// Added in tab order; each gradient list's label goes directly before it so that its access key
// reaches it.
void AppearancePage::OnInitProperties() {
    AddLabel("lblCaption", "&Caption", {kLeft, 8, kLeftEnd, 22});
    m_txtCaption = AddText("txtCaption", {kLeft, 24, kLeftEnd, 45});
    m_chkShowCaptionBar =
        AddCheck("chkShowCaptionBar", "Sho&w Caption Bar", {kRight, 8, kRightEnd, 24});
    m_chkCloseButton =
        AddCheck("chkCloseButton", "Show C&lose Button", {kRight, 28, kRightEnd, 44});
    m_lstAppearance =
        AddLabelledList("lblAppearance", "Control &Appearance", "lstAppearance",
                        {"0 - ksFlatContorl", "1 - ks3dControl"}, kLeft, 54, kLeftEnd);
    m_lstGroupAppearance =
        AddLabelledList("lblGroupAppearance", "&Group Appearance", "lstGroupAppearance",
                        kAppearanceRows, kLeft, 100, kLeftEnd);
    m_lstButtonAppearance =
        AddLabelledList("lblButtonAppearance", "&Button Appearance", "lstButtonAppearance",
                        kAppearanceRows, kLeft, 146, kLeftEnd);
    m_lstSelBtnApp = AddLabelledList("lblSelButtonApp", "&Selected Button Appearance",
                                     "lstSelBtnApp", kAppearanceRows, kLeft, 192, kLeftEnd);
    m_lstBorderStyle = AddLabelledList("lblBorderStyle", "Border S&tyle", "lstBorderStyle",
                                       {"0 - ksNone", "1 - ksFixedSingle"}, kRight, 54, kRightEnd);
    m_lstButtonHighlightZone = AddLabelledList(
        "lblButtonHighlightZone", "Button Highlight &Zone", "lstButtonHighlightZone",
        {"0 - ksZonePictureAndText", "1 - ksZonePicture"}, kRight, 100, kRightEnd);
    m_lstMousePointer = AddLabelledList("lblMousePointer", "&Mouse Pointer", "lstMousePointer",
                                        kPointerRows, kRight, 146, kRightEnd);
    m_lstShowButtonInfo =
        AddLabelledList("lblShowButtonInfo", "Show Button &Info", "lstShowButtonInfo",
                        {"0 - ksPictureOnly", "1 - ksPictureAndCaption"}, kRight, 192, kRightEnd);
    m_lstGrpGradientType = AddLabelledList("Label1", "Group &Gradient Type", "lstGrpGradientType",
                                           kGradientRows, kLeft, 238, kLeftEnd);
    m_lstBtnGradientType =
        AddLabelledList("lblButtonGradientType", "B&utton Gradient Type", "lstBtnGradientType",
                        kGradientRows, kRight, 238, kRightEnd);
}

void AppearancePage::OnSelectionChanged() {
    SelectedBar(); // 13 at once for a selection that is no bar
    LoadEach({
        [&] {
            m_chkCloseButton->SetValue(static_cast<int16_t>(ole::CInt(Get("ShowCloseButton")) & 1));
        },
        [&] {
            m_chkShowCaptionBar->SetValue(
                static_cast<int16_t>(ole::CInt(Get("ShowCaptionBar")) & 1));
        },
        [&] { LoadRow(*m_lstAppearance, Get("Appearance")); },
        [&] { LoadRow(*m_lstBorderStyle, Get("BorderStyle")); },
        [&] { LoadRow(*m_lstButtonAppearance, Get("ButtonAppearance")); },
        [&] { LoadRow(*m_lstButtonHighlightZone, Get("ButtonHighlightZone")); },
        [&] { LoadRow(*m_lstGroupAppearance, Get("GroupAppearance")); },
        [&] {
            const int16_t pointer = ole::CInt(Get("MousePointer"));
            LoadRow(*m_lstMousePointer,
                    ole::Variant(pointer == kCustomPointer ? kCustomRow : pointer));
        },
        [&] { LoadRow(*m_lstSelBtnApp, Get("SelectedButtonAppearance")); },
        [&] { LoadRow(*m_lstShowButtonInfo, Get("ShowButtonInfo")); },
        [&] { LoadRow(*m_lstGrpGradientType, Get("GroupGradientType")); },
        [&] { LoadRow(*m_lstBtnGradientType, Get("ButtonGradientType")); },
        [&] { m_txtCaption->SetText(ole::CStr(Get("Caption"))); },
    });
}

void AppearancePage::OnApplyChanges() {
    Let("ShowCloseButton", CheckedAsBoolean(*m_chkCloseButton));
    Let("ShowCaptionBar", CheckedAsBoolean(*m_chkShowCaptionBar));
    LetRow("Appearance", *m_lstAppearance);
    LetRow("BorderStyle", *m_lstBorderStyle);
    LetRow("ButtonAppearance", *m_lstButtonAppearance);
    LetRow("ButtonHighlightZone", *m_lstButtonHighlightZone);
    LetRow("GroupAppearance", *m_lstGroupAppearance);
    if (m_lstMousePointer->GetListIndex() == kCustomRow)
        Let("MousePointer", ole::Variant(kCustomPointer));
    else
        LetRow("MousePointer", *m_lstMousePointer);
    LetRow("SelectedButtonAppearance", *m_lstSelBtnApp);
    LetRow("ShowButtonInfo", *m_lstShowButtonInfo);
    LetRow("GroupGradientType", *m_lstGrpGradientType);
    LetRow("ButtonGradientType", *m_lstBtnGradientType);
    Let("Caption", ole::Variant(m_txtCaption->Text()));
}

} // namespace shelfstrip
