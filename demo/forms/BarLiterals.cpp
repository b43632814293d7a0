#include "BarLiterals.h"

#include "demo/forms/BarPictures.h"

#include <array>
#include <string>
#include <string_view>

namespace sampledesk {

namespace {

using forms::PropertyLiteral;

constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);
constexpr int32_t kHighlightText = static_cast<int32_t>(0x8000000E);
constexpr int32_t kGrayText = static_cast<int32_t>(0x80000011);
constexpr int32_t kSilver = 0xC0C0C0;

const forms::FontLiteral kFont{.name = "MS Sans Serif", .size = 8.25};

PropertyLiteral Long(const char* key, int32_t value) {
    return {key, ole::Variant(value)};
}
PropertyLiteral Text(const std::string& key, std::string_view value) {
    return {key, ole::Variant(std::string(value))};
}

struct ButtonText {
    std::string_view caption;
    std::string_view tooltip;
    std::string_view key;
};

// The group's keys, then each button's, its picture the next from firstPicture on; GRP1Caption
// is stored even when empty, as its reading default would otherwise name the group.
void AddGroup(std::vector<PropertyLiteral>& bag, std::string_view caption,
              const std::vector<ButtonText>& buttons, int firstPicture) {
    bag.push_back(Long("GroupCount", 1));
    bag.push_back(Text("GRP1Caption", caption));
    bag.push_back(Text("GRP1Tooltip", "General"));
    bag.push_back(Text("GRP1Key", ""));
    bag.push_back(Long("GRP1ButtonBackgroundLayout", 0));
    bag.push_back({"GRP1ButtonBackgroundPicture", ole::Variant(ole::Ptr<ole::Object>())});
    bag.push_back(Text("GRP1Tag", ""));
    bag.push_back({"GRP1IsCurrent", ole::Variant(true)});
    bag.push_back(Long("GRP1ButtonCount", static_cast<int32_t>(buttons.size())));
    for (size_t j = 0; j < buttons.size(); ++j) {
        const std::string prefix = "GRP1BTN" + std::to_string(j + 1);
        bag.push_back(Text(prefix + "Caption", buttons[j].caption));
        bag.push_back(Text(prefix + "Tooltip", buttons[j].tooltip));
        bag.push_back(Text(prefix + "Key", buttons[j].key));
        bag.push_back(
            {prefix + "Picture", forms::PictureLiteral{firstPicture + static_cast<int>(j)}});
        bag.push_back(Text(prefix + "Prompt", ""));
        bag.push_back(Text(prefix + "Tag", ""));
    }
}

} // namespace

const std::vector<forms::PropertyLiteral>& MenuToolbarBag() {
    static const std::vector<PropertyLiteral> bag = [] {
        std::vector<PropertyLiteral> b{
            Long("Appearance", 0),
            Long("BorderStyle", 1),
            Long("ButtonBackColor", kButtonFace),
            Long("ButtonFlow", 1),
            Long("ButtonHeight", 360),
            Long("ButtonSize", 1),
            Long("ButtonWidth", 360),
            {"Font", kFont},
            Long("GroupAppearance", 0),
            Long("GroupFlow", 1),
            Long("HighlightedButtonBackColor", kButtonFace),
            Long("SelectedButtonAppearance", 0),
            Long("ShowButtonInfo", 0),
        };
        AddGroup(b, "",
                 {{"New", "New", "BtnNew"},
                  {"Open", "Open", "BtnOpen"},
                  {"Save", "Save", "BtnSave"},
                  {"Run", "Goto Run Mode", "BtnRun"}},
                 kMenuToolbarPictures);
        return b;
    }();
    return bag;
}

const std::vector<forms::PropertyLiteral>& ToolBoxBag() {
    static const std::vector<PropertyLiteral> bag = [] {
        std::vector<PropertyLiteral> b{
            Long("ButtonBackColor", kButtonFace),
            Long("ButtonPictureMaskColor", kSilver),
            Long("ButtonLayout", 0),
            Text("Caption", "Toolbox"),
            {"Font", kFont},
            Long("GroupAppearance", 2),
            Long("HighlightedButtonBackColor", kButtonFace),
            Long("SelectedButtonBackColor", kHighlightText),
            Long("ShowButtonInfo", 0),
            {"ShowCaptionBar", ole::Variant(true)},
            Long("ButtonGradientColor", kGrayText),
        };
        constexpr std::array<std::string_view, 10> tools{
            "Pointer",       "PictureBox", "Label",        "TextBox",  "Frame",
            "CommandButton", "Checkbox",   "OptionButton", "ComboBox", "ListBox"};
        std::vector<ButtonText> buttons;
        for (std::string_view tool : tools)
            buttons.push_back({tool, tool, tool});
        AddGroup(b, "General", buttons, kToolBoxPictures);
        return b;
    }();
    return bag;
}

} // namespace sampledesk
