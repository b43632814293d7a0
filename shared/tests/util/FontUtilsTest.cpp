#include "shared/util/FontUtils.h"
#include "testsupport/CleanPlatform.h"

#include <functional>
#include <vector>

using namespace shared;
using testsupport::CleanPlatform;

using FontUtilsTest = CleanPlatform;

TEST_F(FontUtilsTest, CopyEndsWithTheSourceWeightAndKeepsTheDestination) {
    auto src = ole::Font::Create();
    src->SetName("Tahoma");
    src->SetSize(ole::Currency{105000});
    src->SetBold(true);
    src->SetWeight(600);
    src->SetItalic(true);
    src->SetUnderline(true);
    src->SetStrikethrough(true);
    src->SetCharset(2);

    auto dest = ole::Font::Create();
    ole::Font* const identity = dest.Get();
    CopyFont(*dest, *src);
    EXPECT_EQ(dest.Get(), identity);
    EXPECT_EQ(dest->Weight(), 600);
    EXPECT_TRUE(dest->Bold());
    EXPECT_FALSE(IsFontDifferent(*dest, *src));

    // A plain source clears a bold destination.
    auto plain = ole::Font::Create();
    CopyFont(*dest, *plain);
    EXPECT_FALSE(dest->Bold());
    EXPECT_EQ(dest->Weight(), 400);
    EXPECT_FALSE(IsFontDifferent(*dest, *plain));
}

TEST_F(FontUtilsTest, EveryAttributeCountsNameByCaseSizeExactly) {
    auto a = ole::Font::Create();
    auto b = ole::Font::Create();
    EXPECT_FALSE(IsFontDifferent(*a, *b));

    a->SetName("Arial");
    b->SetName("arial");
    EXPECT_TRUE(IsFontDifferent(*a, *b));
    EXPECT_TRUE(FontsDiffer(*a, *b));
    b->SetName("Arial");

    a->SetSize(ole::Currency{82500});
    b->SetSize(ole::Currency{82500}); // 8.2500
    EXPECT_FALSE(IsFontDifferent(*a, *b));
    b->SetSize(ole::Currency{82501});
    EXPECT_TRUE(IsFontDifferent(*a, *b));
    b->SetSize(ole::Currency{82500});

    const std::vector<std::function<void(ole::Font&)>> changes = {
        [](ole::Font& f) { f.SetBold(true); },
        [](ole::Font& f) { f.SetCharset(161); },
        [](ole::Font& f) { f.SetItalic(true); },
        [](ole::Font& f) { f.SetStrikethrough(true); },
        [](ole::Font& f) { f.SetUnderline(true); },
        // Weight alone, Bold unchanged.
        [](ole::Font& f) { f.SetWeight(500); },
    };
    for (const auto& change : changes) {
        auto changed = a->Clone();
        change(*changed);
        EXPECT_TRUE(IsFontDifferent(*a, *changed));
        EXPECT_TRUE(FontsDiffer(*changed, *a));
    }
}
