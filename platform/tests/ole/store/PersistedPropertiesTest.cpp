#include "testsupport/CleanPlatform.h"
#include "testsupport/StoredNames.h"

#include "platform/ole/bag/PersistedProperties.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/font/Font.h"

#include <stdexcept>
#include <string>
#include <vector>

using namespace ole;
using testsupport::StoredNames;

namespace {

// A control-like class whose setters log their calls; Size has a default it computes, Font one
// that is an object, Title a key of its own and Enabled a default that is never stored.
class Keeper : public Object {
public:
    enum Id : DISPID { IdSize = 1, IdTitle, IdEnabled, IdFont, IdRefresh };

    static Ptr<Keeper> Create() { return MakeObject<Keeper>(); }
    static ClassBuilder<Keeper> Declare(std::string name) {
        using C = Keeper;
        ClassBuilder<C> table(std::move(name));
        table.Property("Size", IdSize, &C::GetSize, &C::LetSize, Persisted(&C::DefaultSize))
            .Property("Title", IdTitle, &C::GetTitle, &C::LetTitle, Persisted("Caption", "x"))
            .Property("Enabled", IdEnabled, &C::GetEnabled, &C::LetEnabled, InitValue(true))
            .Property("Font", IdFont, &C::GetFont, &C::SetFont, Persisted(&C::DefaultFont))
            .Method("Refresh", IdRefresh, &C::Refresh);
        return table;
    }
    static const ClassInfo& Info() {
        static const ClassInfo info = Declare("Keeper").Build();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return Info(); }

    int32_t GetSize() const { return m_size; }
    void LetSize(int32_t value) {
        if (value < 0)
            RaiseError(ERR_INVALID_CALL);
        if (value == 13)
            throw std::logic_error("a fault of ours");
        Log("Size");
        m_size = value;
    }
    std::string GetTitle() const { return m_title; }
    void LetTitle(const std::string& value) {
        Log("Title");
        m_title = value;
    }
    bool GetEnabled() const { return m_enabled; }
    void LetEnabled(bool value) {
        Log("Enabled");
        m_enabled = value;
    }
    Ptr<Font> GetFont() const { return m_font; }
    void SetFont(const Ptr<Font>& value) {
        Log("Font");
        m_font = value ? value->Clone() : nullptr;
    }
    void Refresh() {}

    int32_t DefaultSize() const { return m_unit * 10; }
    Ptr<Font> DefaultFont() const { return m_ambientFont; }

    std::vector<std::string> calls;
    int32_t m_unit = 1;
    Ptr<Font> m_ambientFont = Font::Create();

private:
    void Log(const char* name) { calls.emplace_back(name); }

    int32_t m_size = 0;
    std::string m_title;
    bool m_enabled = false;
    Ptr<Font> m_font;
};

// The same table with a stored form whose orders are not the declaration's.
class OrderedKeeper : public Keeper {
public:
    static const ClassInfo& Info() {
        static const ClassInfo info = Declare("OrderedKeeper")
                                          .ReadOrder({IdFont, IdEnabled, IdTitle, IdSize})
                                          .WriteOrder({IdTitle, IdFont, IdSize})
                                          .Build();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return Info(); }
};

class PersistedPropertiesTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        keeper = Keeper::Create();
        bag = PropertyBag::Create();
    }
    void TearDown() override {
        keeper = nullptr;
        bag = nullptr;
        CleanPlatform::TearDown();
    }
    Ptr<Keeper> keeper;
    Ptr<PropertyBag> bag;
};

TEST_F(PersistedPropertiesTest, InitGivesEveryDefaultThroughItsSetterInTableOrder) {
    keeper->m_unit = 3;
    InitPersistedProperties(*keeper);
    EXPECT_EQ(keeper->calls, (std::vector<std::string>{"Size", "Title", "Enabled", "Font"}));
    EXPECT_EQ(keeper->GetSize(), 30);
    EXPECT_EQ(keeper->GetTitle(), "x");
    EXPECT_TRUE(keeper->GetEnabled());
    EXPECT_TRUE(keeper->GetFont()->SameAttributes(*keeper->m_ambientFont));
}

// Stored in table order under their keys, only when they differ from the default of the moment;
// an init-only property is never stored, and reading gives the missing keys their defaults.
TEST_F(PersistedPropertiesTest, WritesKeysThatDifferAndReadsThemBack) {
    InitPersistedProperties(*keeper);
    keeper->LetTitle("Report");
    keeper->LetSize(10);
    keeper->LetEnabled(false);
    keeper->GetFont()->SetBold(true);
    WritePersistedProperties(*keeper, *bag);
    EXPECT_EQ(StoredNames(*bag), (std::vector<std::string>{"Caption", "Font"}));

    keeper->m_unit = 2;
    WritePersistedProperties(*keeper, *bag);
    EXPECT_EQ(StoredNames(*bag), (std::vector<std::string>{"Caption", "Font", "Size"}));

    Ptr<Keeper> copy = Keeper::Create();
    copy->m_unit = 5;
    bag->WriteProperty("Size", Variant(int32_t{0}), Variant(int32_t{0})); // removes it
    ReadPersistedProperties(*copy, *bag);
    EXPECT_EQ(copy->calls, (std::vector<std::string>{"Size", "Title", "Font"}));
    EXPECT_EQ(copy->GetSize(), 50);
    EXPECT_EQ(copy->GetTitle(), "Report");
    EXPECT_TRUE(copy->GetFont()->Bold());
}

TEST_F(PersistedPropertiesTest, StatedOrdersGovernInitReadAndWrite) {
    Ptr<Keeper> ordered = MakeObject<OrderedKeeper>();
    InitPersistedProperties(*ordered);
    EXPECT_EQ(ordered->calls, (std::vector<std::string>{"Font", "Enabled", "Title", "Size"}));
    ordered->LetSize(4);
    ordered->LetTitle("Report");
    ordered->GetFont()->SetBold(true);
    WritePersistedProperties(*ordered, *bag);
    EXPECT_EQ(StoredNames(*bag), (std::vector<std::string>{"Caption", "Font", "Size"}));
    ordered->calls.clear();
    ReadPersistedProperties(*ordered, *bag);
    EXPECT_EQ(ordered->calls, (std::vector<std::string>{"Font", "Title", "Size"}));
}

// A refused or unreadable entry keeps the property as it was and the walk goes on; a failure
// that is not an automation error is reported, not swallowed.
TEST_F(PersistedPropertiesTest, EachPropertyIsOneStepThatCarriesOn) {
    bag->WriteProperty("Size", Variant(int32_t{-1}), Variant::Missing());
    bag->WriteProperty("Caption", Variant("kept"), Variant::Missing());
    bag->WriteProperty("Font", Variant("Arial"), Variant::Missing());
    ReadPersistedProperties(*keeper, *bag);
    EXPECT_EQ(keeper->GetSize(), 0);
    EXPECT_EQ(keeper->GetTitle(), "kept");
    EXPECT_FALSE(keeper->GetFont());

    bag->WriteProperty("Size", Variant(int32_t{13}), Variant::Missing());
    ReadPersistedProperties(*keeper, *bag);
    const std::vector<Error> reported = TakeReportedErrors();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].Description().find("a fault of ours"), std::string::npos);
    EXPECT_EQ(keeper->calls, (std::vector<std::string>{"Title", "Title"}));
}

// An object the control no longer holds is not written as Nothing over an object default.
TEST_F(PersistedPropertiesTest, NothingIsNotWrittenOverAnObjectDefault) {
    bag->WriteProperty("Font", Variant(Font::Create()), Variant::Missing());
    WritePersistedProperties(*keeper, *bag);
    EXPECT_EQ(StoredNames(*bag), (std::vector<std::string>{"Font", "Size", "Caption"}));
}

} // namespace
