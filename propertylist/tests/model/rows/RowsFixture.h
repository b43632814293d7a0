#pragma once

// A control stand-in owning row trees, and a property stand-in reached by late binding.

#include "propertylist/model/rows/CNodes.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/object/ObjectProbes.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace rowstest {

using namespace attrgrid;

class FakeProperty : public ole::Object {
public:
    static ole::Ptr<FakeProperty> Create(std::string name, ole::Variant value) {
        auto p = ole::MakeObject<FakeProperty>();
        p->m_name = std::move(name);
        p->m_value = std::move(value);
        return p;
    }
    const ole::ClassInfo& GetClassInfo() const override {
        static const ole::ClassInfo info =
            ole::ClassBuilder<FakeProperty>("FakeProperty")
                .Property("Name", 1, &FakeProperty::GetName, &FakeProperty::SetName)
                .Get("Value", 0, &FakeProperty::GetValue)
                .Let("Value", 0, &FakeProperty::LetValue)
                .Set("Value", 0, &FakeProperty::LetValue)
                .Property("Bold", 2, &FakeProperty::GetBold, &FakeProperty::SetBold)
                .Get("BackColor", 3, &FakeProperty::GetBackColor)
                .Get("EditorType", 4, &FakeProperty::GetEditorType)
                .Build();
        return info;
    }
    std::string GetName() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    ole::Variant GetValue() const { return m_value; }
    // Plays a source object that refuses negative numbers with 380.
    void LetValue(ole::Variant value) {
        ++writes;
        if (value.IsNumericType() && ole::CDbl(value) < 0)
            ole::RaiseError(380, "Invalid property value", "Source");
        m_value = std::move(value);
        if (onWrite)
            onWrite();
    }
    bool GetBold() const { return m_bold; }
    void SetBold(bool bold) { m_bold = bold; }
    int32_t GetBackColor() const { return 0x123456; }
    int32_t GetEditorType() const { return 2; }

    int writes = 0;
    std::function<void()> onWrite;

private:
    std::string m_name;
    ole::Variant m_value;
    bool m_bold = false;
};

class TestOwner : public ole::Object, public CNodesOwner {
public:
    static ole::Ptr<TestOwner> Create() { return ole::MakeObject<TestOwner>(); }
    const ole::ClassInfo& GetClassInfo() const override {
        static const ole::ClassInfo info = ole::ClassBuilder<TestOwner>("TestOwner").Build();
        return info;
    }
    ole::Ptr<ole::Object> NodeProperty(std::string_view key) override {
        const auto it = properties.find(std::string(key));
        return it == properties.end() ? nullptr : ole::Ptr<ole::Object>(it->second);
    }
    void NodePropertyChanged(std::string_view key, std::string_view name) override {
        calls.push_back(std::string(key) + ":" + std::string(name));
        if (onChanged)
            onChanged();
    }
    std::map<std::string, ole::Ptr<FakeProperty>> properties;
    std::vector<std::string> calls;
    std::function<void()> onChanged;
};

// Every test ends with no live automation objects.
class RowsTest : public ::testing::Test {
protected:
    void SetUp() override { m_live = ole::LiveObjectCount(); }
    void TearDown() override { EXPECT_EQ(ole::LiveObjectCount(), m_live); }

    // A tree bound to a fresh owner.
    std::pair<ole::Ptr<TestOwner>, ole::Ptr<CNodes>> MakeTree() {
        auto owner = TestOwner::Create();
        auto tree = CNodes::Create();
        tree->InitNodes(ole::PtrOfObject(owner), 1);
        return {owner, tree};
    }
    static ole::Ptr<CNode> AddRow(const ole::Ptr<CNodes>& tree, const ole::Ptr<CNode>& parent,
                                  std::string key, NodeKind kind = NodeKind::Category) {
        return tree->Add(parent, CNodes::LastChild, key, key, ole::Variant(""), kind);
    }
    // The display order, walked from "P0_I1".
    static std::vector<std::string> VisibleKeys(const ole::Ptr<CNodes>& tree) {
        std::vector<std::string> keys;
        for (auto row = tree->ItemByPosition("P0_I1"); row; row = row->NextVisibleNode())
            keys.push_back(row->Key());
        return keys;
    }

private:
    size_t m_live = 0;
};

} // namespace rowstest
