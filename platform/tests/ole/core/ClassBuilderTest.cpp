#include "platform/ole/dispatch/ClassBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

using namespace ole;

namespace {

struct Widget : Object {
    const ClassInfo& GetClassInfo() const override { throw std::logic_error("not used"); }
    int32_t Count() const { return 0; }
    int32_t Total() const { return 0; }
    void LetCount(int32_t) {}
    int32_t Size() const { return 0; }
    void LetSize(int32_t) {}
    void Resize(int32_t) {}
};

using Table = ClassBuilder<Widget>;

struct Typo {
    const char* fault;
    std::function<void(Table&)> declare;
};

// Each table carries one typo; Build names the class and the fault instead of building a table
// that dispatches to the wrong member or persists under the wrong key.
TEST(ClassBuilderTest, BuildRefusesATableWithATypo) {
    using W = Widget;
    const Typo typos[] = {
        {"id 1 is named both Count and Total",
         [](Table& t) { t.Get("Count", 1, &W::Count).Get("Total", 1, &W::Total); }},
        {"count is declared with two ids",
         [](Table& t) { t.Get("Count", 1, &W::Count).Get("count", 2, &W::Total); }},
        {"Count is declared twice with the same kind",
         [](Table& t) { t.Get("Count", 1, &W::Count).Get("Count", 1, &W::Total); }},
        {"Resize names more parameters than its signature has",
         [](Table& t) {
             t.Method("Resize", 3, &W::Resize, Params({Arg("w"), Arg("h")}));
         }},
        {"persisted Total has no put taking only the value",
         [](Table& t) { t.Get("Total", 2, &W::Total, Persisted(0)); }},
        {"key count is persisted twice",
         [](Table& t) {
             t.Property("Count", 1, &W::Count, &W::LetCount, Persisted(0))
                 .Method("Resize", 3, &W::Resize, Persisted("count", 0));
         }},
        {"read order misses Size",
         [](Table& t) {
             t.Property("Count", 1, &W::Count, &W::LetCount, Persisted(0))
                 .Property("Size", 4, &W::Size, &W::LetSize, Persisted(0))
                 .ReadOrder({1});
         }},
        {"read order names Count twice",
         [](Table& t) {
             t.Property("Count", 1, &W::Count, &W::LetCount, Persisted(0)).ReadOrder({1, 1});
         }},
        {"write order names id 4, which it cannot hold",
         [](Table& t) {
             t.Property("Count", 1, &W::Count, &W::LetCount, Persisted(0))
                 .Property("Size", 4, &W::Size, &W::LetSize, InitValue(0))
                 .WriteOrder({4, 1});
         }},
    };
    for (const Typo& typo : typos) {
        Table table("Widget");
        typo.declare(table);
        try {
            table.Build();
            ADD_FAILURE() << "built despite: " << typo.fault;
        } catch (const std::logic_error& error) {
            EXPECT_EQ(error.what(), "class table of Widget: " + std::string(typo.fault));
        }
    }
}

TEST(ClassBuilderTest, PropertyDeclaresItsPersistenceOnce) {
    using W = Widget;
    const ClassInfo info = Table("Widget")
                               .Property("Count", 1, &W::Count, &W::LetCount, Persisted(int32_t{4}))
                               .Method("Resize", 3, &W::Resize, Params({Arg("width")}))
                               .Build();
    ASSERT_EQ(info.Persisted().size(), 1u);
    EXPECT_EQ(info.Persisted()[0].key, "Count");
    EXPECT_EQ(info.FindPersisted(1), &info.Persisted()[0]);
    EXPECT_EQ(info.NameOf(3), "Resize");
}

} // namespace
