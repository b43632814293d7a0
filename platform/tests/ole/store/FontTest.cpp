#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/font/Font.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

using namespace ole;
using testsupport::ErrorOf;

namespace {

class FontTest : public testsupport::CleanPlatform {
protected:
    // Records the PropertyName of every FontChanged the font raises.
    void Listen(const Ptr<Font>& font) {
        auto sink = EventSink::Create();
        sink->On(Font::DISPID_FONTCHANGED,
                 [this](std::span<Variant> args) { m_changes.push_back(args[0].AsString()); });
        ConnectEvents(font, sink);
    }

    std::vector<std::string> m_changes;
};

TEST_F(FontTest, NewFontHasTheStandardAttributes) {
    const auto font = Font::Create();
    EXPECT_EQ(font->Name(), "MS Sans Serif");
    EXPECT_EQ(font->Size(), Currency{82500});
    EXPECT_EQ(font->Weight(), 400);
    EXPECT_FALSE(font->Bold());
    EXPECT_FALSE(font->Italic());
    EXPECT_FALSE(font->Underline());
    EXPECT_FALSE(font->Strikethrough());
    EXPECT_EQ(font->Charset(), 0);
}

TEST_F(FontTest, BoldAndWeightFollowEachOther) {
    const auto font = Font::Create();
    font->SetBold(true);
    EXPECT_EQ(font->Weight(), 700);
    font->SetBold(false);
    EXPECT_EQ(font->Weight(), 400);
    font->SetWeight(550);
    EXPECT_FALSE(font->Bold());
    font->SetWeight(551);
    EXPECT_TRUE(font->Bold());
    font->SetWeight(900);
    font->SetBold(true); // already bold, yet Bold always writes its own weight
    EXPECT_EQ(font->Weight(), 700);
}

TEST_F(FontTest, FontChangedOnlyOnRealChanges) {
    const auto font = Font::Create();
    Listen(font);
    font->SetName("MS Sans Serif");
    font->SetSize(Currency{82500});
    font->SetBold(false);
    font->SetWeight(400);
    font->SetCharset(0);
    EXPECT_TRUE(m_changes.empty());

    font->SetName("Arial");
    font->SetName("Arial");
    font->SetBold(true);
    font->SetWeight(700); // same weight Bold gave
    font->SetWeight(600); // still bold, but the weight changed
    font->SetItalic(true);
    font->SetSize(Currency{90000});
    EXPECT_EQ(m_changes, (std::vector<std::string>{"Name", "Bold", "Weight", "Italic", "Size"}));

    // Copying attribute by attribute from an equal font raises nothing; from another, one event
    // per attribute that differs.
    m_changes.clear();
    font->CopyAttributesFrom(*font->Clone());
    EXPECT_TRUE(m_changes.empty());
    const auto other = font->Clone();
    other->SetUnderline(true);
    other->SetCharset(2);
    font->CopyAttributesFrom(*other);
    EXPECT_EQ(m_changes, (std::vector<std::string>{"Underline", "Charset"}));
}

TEST_F(FontTest, CloneIsEqualButAnotherObjectWithoutListeners) {
    const auto font = Font::Create();
    font->SetName("Tahoma");
    font->SetStrikethrough(true);
    Listen(font);
    const auto copy = font->Clone();
    EXPECT_FALSE(Is(font, copy));
    EXPECT_TRUE(copy->SameAttributes(*font));
    copy->SetName("Other");
    EXPECT_TRUE(m_changes.empty());
    EXPECT_FALSE(copy->SameAttributes(*font));
    EXPECT_EQ(font->Name(), "Tahoma");
    // Size compares exactly, to the fourth decimal.
    copy->CopyAttributesFrom(*font);
    copy->SetSize(Currency{82501});
    EXPECT_FALSE(copy->SameAttributes(*font));
}

TEST_F(FontTest, SizeOutsideItsRangeIsRefusedOnLetAndClampedFromStoredBytes) {
    const Variant font(Font::Create());
    EXPECT_EQ(ErrorOf([&] { LetProperty(font, "Size", Variant(1E+12)); }),
              ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { LetProperty(font, "Size", Variant(-1)); }), ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(GetProperty(font, "Size").AsCurrency(), Font::kDefaultSize);
    LetProperty(font, "Size", Variant(2160));
    EXPECT_EQ(GetProperty(font, "Size").AsCurrency(), Font::kMaxSize);

    // The stored size is the 8 bytes holding 2160 pt; a bag may hold any other.
    auto bag = PropertyBag::Create();
    bag->WriteProperty("F", font, Variant::Missing());
    std::vector<uint8_t> bytes = bag->ToBytes();
    const uint8_t stored[] = {0x00, 0x97, 0x49, 0x01, 0, 0, 0, 0}; // 21600000
    const auto at = std::search(bytes.begin(), bytes.end(), std::begin(stored), std::end(stored));
    ASSERT_NE(at, bytes.end());
    std::fill(at, at + 7, 0xFF);
    *(at + 7) = 0x7F;
    const Variant read = PropertyBag::FromBytes(bytes)->ReadProperty("F", Variant::Missing());
    EXPECT_EQ(GetProperty(read, "Size").AsCurrency(), Font::kMaxSize);
}

TEST_F(FontTest, MembersAnswerByIdAndByName) {
    const Variant font(Font::Create());
    EXPECT_EQ(GetPropertyById(font, DISPID_VALUE).AsString(), "MS Sans Serif");
    EXPECT_EQ(GetPropertyById(font, 2).AsCurrency(), Currency{82500});
    LetPropertyById(font, 2, Variant(12.5));
    EXPECT_EQ(GetProperty(font, "SIZE").AsCurrency(), Currency{125000});
    LetProperty(font, "bold", Variant(true));
    EXPECT_EQ(GetPropertyById(font, 7).Type(), VT_I2);
    EXPECT_EQ(GetPropertyById(font, 7).AsI2(), 700);
    LetPropertyById(font, 7, Variant(int32_t{300}));
    EXPECT_FALSE(GetPropertyById(font, 3).AsBool());
    LetPropertyById(font, 8, Variant(int32_t{161}));
    EXPECT_EQ(GetProperty(font, "Charset").AsI2(), 161);
    EXPECT_EQ(ErrorOf([&] { LetProperty(font, "Weight", Variant(int32_t{70000})); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([&] { GetProperty(font, "Colour"); }), ERR_NO_MEMBER);
}

} // namespace
