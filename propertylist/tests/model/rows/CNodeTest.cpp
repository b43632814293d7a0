#include "RowsFixture.h"

namespace rowstest {
namespace {

// A property row whose property is held by the owner under `key`.
ole::Ptr<CNode> AddPropertyRow(const ole::Ptr<ListStandIn>& owner, const ole::Ptr<CNodes>& tree,
                               const ole::Ptr<CNode>& parent, std::string key, ole::Variant value,
                               ole::Ptr<FakeSource>* written = nullptr) {
    auto source = AddSourcedProperty(*owner, key, key, value);
    if (written)
        *written = source;
    auto row = tree->Add(parent, CNodes::LastChild, key, key, value, NodeKind::Property);
    EXPECT_EQ(source->writes, 0) << "adding a row wrote back an equal value";
    return row;
}

TEST_F(RowsTest, VisibleWalkInBothDirections) {
    auto [owner, tree] = MakeTree();
    auto a = AddRow(tree, nullptr, "A");
    auto a1 = AddRow(tree, a, "A1");
    auto a11 = AddRow(tree, a1, "A11");
    auto a2 = AddRow(tree, a, "A2");
    auto b = AddRow(tree, nullptr, "B");
    auto b1 = AddRow(tree, b, "B1");
    const std::vector<std::string> all{"A", "A1", "A11", "A2", "B", "B1"};
    EXPECT_EQ(VisibleKeys(tree), all);
    EXPECT_FALSE(b1->NextVisibleNode());
    EXPECT_FALSE(tree->ItemByPosition("P0_I1")->PreviousVisibleNode());

    // Walking back from the last row visits the same rows in reverse.
    std::vector<std::string> back;
    for (auto row = b1; row; row = row->PreviousVisibleNode())
        back.insert(back.begin(), row->Key());
    EXPECT_EQ(back, all);
    EXPECT_EQ(b->PreviousVisibleNode().Get(), a2.Get());

    a1->SetExpanded(false);
    EXPECT_EQ(VisibleKeys(tree), (std::vector<std::string>{"A", "A1", "A2", "B", "B1"}));
    EXPECT_EQ(a2->PreviousVisibleNode().Get(), a1.Get());
    a->SetExpanded(false);
    EXPECT_EQ(VisibleKeys(tree), (std::vector<std::string>{"A", "B", "B1"}));
    EXPECT_EQ(b->PreviousVisibleNode().Get(), a.Get());

    EXPECT_TRUE(a->IsFirstNode());
    EXPECT_FALSE(a1->IsFirstNode());
    EXPECT_TRUE(a2->IsLastSibling());
    EXPECT_EQ(a2->FirstSibling().Get(), a1.Get());
    EXPECT_EQ(a1->LastSibling().Get(), a2.Get());
    EXPECT_EQ(b->FirstRootNode().Get(), a.Get());
    EXPECT_EQ(a11->FirstRootNode().Get(), a.Get());
}

TEST_F(RowsTest, DescendantsAreBelowOnly) {
    auto [owner, tree] = MakeTree();
    auto a = AddRow(tree, nullptr, "A");
    auto a1 = AddRow(tree, a, "A1");
    auto a11 = AddRow(tree, a1, "A11");
    auto b = AddRow(tree, nullptr, "B");
    auto b1 = AddRow(tree, b, "B1");
    EXPECT_FALSE(a->IsDescendantOf(a));
    EXPECT_TRUE(a11->IsDescendantOf(a));
    EXPECT_TRUE(a11->IsDescendantOf(a1));
    EXPECT_FALSE(b1->IsDescendantOf(a));
    EXPECT_FALSE(a->IsDescendantOf(a11));
    EXPECT_FALSE(a->IsDescendantOf(nullptr));
}

TEST_F(RowsTest, ExpandedTellsTheOwnerOnlyOnChange) {
    auto [owner, tree] = MakeTree();
    auto a = AddRow(tree, nullptr, "A");
    a->SetExpanded(true);
    EXPECT_TRUE(owner->calls.empty());
    a->SetExpanded(false);
    a->SetExpanded(false);
    EXPECT_EQ(owner->calls, (std::vector<std::string>{"A:Expanded"}));

    // The listener may clear the tree under the row it was called from.
    owner->onChanged = [tree = tree] { tree->Clear(); };
    a->SetExpanded(true);
    EXPECT_EQ(tree->Count(), 0);
    EXPECT_TRUE(a->Expanded());
    owner->onChanged = nullptr;

    // A dead owner: the state is stored, nobody is called.
    auto b = AddRow(tree, nullptr, "B");
    owner->calls.clear();
    owner = nullptr;
    b->SetExpanded(false);
    EXPECT_FALSE(b->Expanded());
}

TEST_F(RowsTest, PropertyRowValueWritesOnlyDifferencesAndLetsRefusalsThrough) {
    auto [owner, tree] = MakeTree();
    ole::Ptr<FakeSource> property;
    auto width = AddPropertyRow(owner, tree, nullptr, "Width", ole::Variant(10), &property);

    width->LetValue(ole::Variant(10.0));
    EXPECT_EQ(property->writes, 0);

    try {
        width->LetValue(ole::Variant(-5));
        ADD_FAILURE() << "a refused write was reported as success";
    } catch (const ole::Error& e) {
        EXPECT_EQ(e.Number(), 380);
    }
    EXPECT_EQ(width->Value().AsI4(), 10);

    // Text differs from a number, so "5" over 5 is stored.
    width->LetValue(ole::Variant(5));
    width->LetValue(ole::Variant("5"));
    EXPECT_TRUE(width->Value().IsString());

    // Null is not a dead end: it takes a value, and Null over Null is no change.
    width->LetValue(ole::Variant::Null());
    EXPECT_TRUE(width->Value().IsNull());
    const int writes = property->writes;
    width->LetValue(ole::Variant::Null());
    EXPECT_EQ(property->writes, writes);
    width->LetValue(ole::Variant("abc"));
    EXPECT_EQ(width->Value().AsString(), "abc");

    // Objects: the held object is not written again.
    auto picture = FakeSource::Create();
    width->SetValue(ole::Variant(ole::Ptr<ole::Object>(picture)));
    const int objectWrites = property->writes;
    width->SetValue(ole::Variant(ole::Ptr<ole::Object>(picture)));
    EXPECT_EQ(property->writes, objectWrites);
}

TEST_F(RowsTest, WriteBackThatClearsTheTreesIsSurvived) {
    auto [owner, tree] = MakeTree();
    ole::Ptr<FakeSource> source;
    auto row = AddPropertyRow(owner, tree, nullptr, "Caption", ole::Variant("a"), &source);
    source->onWrite = [owner = owner.Get(), tree = tree.Get()] {
        tree->Clear();
        owner->loose.clear();
    };
    row->LetValue(ole::Variant("b"));
    EXPECT_EQ(tree->Count(), 0);
    EXPECT_FALSE(row->Property());
}

TEST_F(RowsTest, CategoryRowsKeepTheirOwnValueLookAndName) {
    auto [owner, tree] = MakeTree();
    auto category = AddRow(tree, nullptr, "Layout");
    EXPECT_EQ(category->BackColor(), -1);
    EXPECT_EQ(category->ForeColor(), -1);
    category->SetBackColor(0xFF);
    category->SetBold(true);
    EXPECT_EQ(category->BackColor(), 0xFF);
    EXPECT_TRUE(category->Bold());

    auto object = FakeSource::Create();
    category->SetValue(ole::Variant(ole::Ptr<ole::Object>(object)));
    EXPECT_EQ(category->Value().AsObject().Get(), static_cast<ole::Object*>(object.Get()));
    category->SetValue(ole::Variant(""));
    EXPECT_EQ(category->Name(), "Layout");

    // Property-only members fail on a category row, even one named like a property's key.
    AddSourcedProperty(*owner, "Layout", "Layout", ole::Variant(1));
    EXPECT_THROW(category->EditorType(), ole::Error);
    EXPECT_FALSE(category->Property());
    EXPECT_EQ(category->Value().AsString(), "");
}

TEST_F(RowsTest, PropertyRowsFollowTheirProperty) {
    auto [owner, tree] = MakeTree();
    auto row = AddPropertyRow(owner, tree, nullptr, "Layout_Caption", ole::Variant("x"));
    auto& property = owner->loose["Layout_Caption"];
    property->LetName("Title");
    property->LetBackColor(0x123456);
    property->LetEditorType(2);
    EXPECT_EQ(row->Name(), "Title");
    EXPECT_EQ(row->BackColor(), 0x123456);
    row->SetBold(true);
    EXPECT_TRUE(property->GetBold());
    EXPECT_EQ(row->EditorType().AsI4(), 2);

    // Once the property is gone the row falls back on what it was made with.
    owner->loose.clear();
    EXPECT_EQ(row->Name(), "Layout_Caption");
    EXPECT_FALSE(row->Property());
    row->LetValue(ole::Variant("y"));
    owner = nullptr;
    EXPECT_FALSE(row->Property());
    EXPECT_EQ(row->Name(), "Layout_Caption");
}

} // namespace
} // namespace rowstest
