#pragma once

// Row trees bound to the list stand-in, and a source object their properties write back to.

#include "propertylist/model/rows/CNodes.h"
#include "propertylist/tests/support/ListStandIn.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/object/ObjectProbes.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace rowstest {

using namespace attrgrid;

// The object a property writes its value back to: every member name reads and writes one
// value, and a negative number is refused with 380, as a source's setter may refuse.
class FakeSource : public ole::Object {
public:
    static ole::Ptr<FakeSource> Create() { return ole::MakeObject<FakeSource>(); }
    const ole::ClassInfo& GetClassInfo() const override {
        static const ole::ClassInfo info = ole::ClassBuilder<FakeSource>("FakeSource").Build();
        return info;
    }
    ole::DISPID GetIDsOfNames(std::string_view) const override { return 1; }
    bool HasMember(ole::DISPID) const override { return true; }
    ole::Variant Invoke(ole::DISPID, uint16_t kinds, std::span<ole::Variant> args) override {
        if (!(kinds & (ole::DISPATCH_PROPERTYPUT | ole::DISPATCH_PROPERTYPUTREF)))
            return value;
        ++writes;
        const ole::Variant written = args.back().Deref();
        if (written.IsNumericType() && ole::CDbl(written) < 0)
            ole::RaiseError(380, "Invalid property value", "Source");
        value = written;
        if (onWrite)
            onWrite();
        return {};
    }

    ole::Variant value;
    int writes = 0;
    std::function<void()> onWrite;
};

using attrgrid::test::ListStandIn;

// A property named `name`, held by the owner under `key`, that writes back to a source of its own.
inline ole::Ptr<FakeSource> AddSourcedProperty(ListStandIn& owner, const std::string& key,
                                               const std::string& name, const ole::Variant& value) {
    auto source = FakeSource::Create();
    auto property = CProperty::Create();
    property->InitProperty(nullptr, name, value, source, true, shared::ksTextEditor);
    owner.loose[key] = property;
    return source;
}

class RowsTest : public testsupport::CleanPlatform {
protected:
    // A tree bound to a fresh owner.
    std::pair<ole::Ptr<ListStandIn>, ole::Ptr<CNodes>> MakeTree() {
        auto owner = ListStandIn::Create();
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
};

} // namespace rowstest
