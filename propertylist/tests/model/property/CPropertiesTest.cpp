#include "propertylist/model/property/CProperties.h"
#include "propertylist/tests/model/property/ModelDoubles.h"
#include "propertylist/tests/support/ListStandIn.h"

#include "platform/ole/dispatch/Enumerator.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/EventSink.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

namespace attrgrid::test {
namespace {

using ole::Variant;

struct Failure {
    int32_t number = 0;
    std::string description;
    std::string source;
};

Failure FailureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ole::Error& error) {
        return {error.Number(), error.Description(), error.Source()};
    }
    return {};
}

class CPropertiesTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        list = ListStandIn::Create();
        properties = list->properties;
        sink = ole::EventSink::Create();
        for (ole::DISPID id : {CProperties::PropertyAdded, CProperties::PropertyDeleted,
                               CProperties::PropertiesCleared})
            sink->On(id, [this, id](std::span<Variant> args) {
                events.push_back(
                    std::to_string(id) +
                    (args.empty()
                         ? std::string()
                         : ":" + ole::PtrCast<CProperty>(args[0].Deref().AsObject())->GetName()));
                if (auto handler = handlers.find(id); handler != handlers.end())
                    handler->second(args);
            });
        cookie = ole::ConnectEvents(properties, sink);
    }
    void TearDown() override {
        ole::DisconnectEvents(properties, cookie);
        handlers.clear();
        sink.Reset();
        properties.Reset();
        list.Reset();
        CleanPlatform::TearDown();
    }
    // Add through dispatch as a host calls it: sName, aValue, sCategory, ByRef sKey, ...
    Variant HostAdd(Variant name, Variant value, Variant category, Variant& key,
                    Variant editorType = Variant::Missing()) {
        Variant args[] = {
            name,      value, category, Variant::ByRef(key), Variant::Missing(), Variant::Missing(),
            editorType};
        return ole::CallMethod(Variant(properties), "Add", args);
    }

    ole::Ptr<ListStandIn> list;
    ole::Ptr<CProperties> properties;
    ole::Ptr<ole::EventSink> sink;
    uint32_t cookie = 0;
    std::vector<std::string> events;
    std::map<ole::DISPID, std::function<void(std::span<Variant>)>> handlers;
};

TEST_F(CPropertiesTest, AddTrimsTheKeyIntoTheCallersVariableAndRefusesNumericKeys) {
    Variant key(" k1 ");
    const Variant added = HostAdd(Variant("Left"), Variant(1), Variant("Position"), key);
    EXPECT_EQ(key.AsString(), "k1");
    auto left = ole::PtrCast<CProperty>(added.AsObject());
    ASSERT_TRUE(left);
    EXPECT_EQ(left->GetKey(), "k1");
    EXPECT_EQ(left->GetInternalKey(), "Position_Left");
    EXPECT_EQ(left->EditorTypeField(), shared::ksTextEditor);
    EXPECT_TRUE(left->GetAutoUpdateSource());
    EXPECT_EQ(events, std::vector<std::string>{"1:Left"});

    for (const char* numeric : {"12", " 12 ", "1e3", "&H10", "-4.5"}) {
        std::string hostKey = numeric;
        const Failure failure = FailureOf([&] {
            properties->Add("P", Variant(1), "", hostKey, nullptr, true, shared::ksTextEditor);
        });
        EXPECT_EQ(failure.number, static_cast<int32_t>(0x80040003)) << numeric;
        EXPECT_EQ(failure.description, "Invalid key specified.");
        EXPECT_EQ(failure.source, "CProperties.Add");
    }
    int n = 0;
    for (const char* accepted : {"k12", "1,000", "$5"}) {
        std::string hostKey = accepted;
        EXPECT_TRUE(properties->Add("P" + std::to_string(++n), Variant(1), "", hostKey, nullptr,
                                    true, shared::ksTextEditor))
            << accepted;
    }
    EXPECT_EQ(properties->Count(), 4);

    std::string duplicate = "K1";
    const Failure taken = FailureOf([&] {
        properties->Add("Other", Variant(1), "", duplicate, nullptr, true, shared::ksTextEditor);
    });
    EXPECT_EQ(taken.number, static_cast<int32_t>(0x80040005));
    EXPECT_EQ(taken.description, "Property with this key is already present.");

    // After Clear every host key and internal key is free again.
    properties->Clear();
    std::string again = "k1";
    EXPECT_TRUE(properties->Add("Left", Variant(1), "Position", again, nullptr, true,
                                shared::ksTextEditor));
}

TEST_F(CPropertiesTest, AddChecksValueBeforeKeysAndNamesLast) {
    std::string key = "k1";
    properties->Add("Left", Variant(1), "Position", key, nullptr, true, shared::ksTextEditor);
    events.clear();

    std::string duplicateKey = " k1 ";
    const Failure value = FailureOf([&] {
        properties->Add("Top", Variant("abc"), "", duplicateKey, nullptr, true,
                        shared::KSNumberEditor);
    });
    EXPECT_EQ(value.number, static_cast<int32_t>(0x8004000A));
    EXPECT_EQ(value.description, "Invalid value for specified editor.");
    EXPECT_EQ(duplicateKey, " k1 ") << "refused before the key was trimmed";

    const Failure name = FailureOf([&] { properties->Add("left", Variant(1), "position"); });
    EXPECT_EQ(name.number, static_cast<int32_t>(0x80040006));
    EXPECT_EQ(name.description,
              "Property with this name is already present in specified category.");
    EXPECT_EQ(name.source, "CProperties.Add");

    // The internal key is the plain joined text, so a different split collides.
    properties->Add("c", Variant(1), "a_b");
    EXPECT_EQ(FailureOf([&] { properties->Add("b_c", Variant(1), "a"); }).number,
              static_cast<int32_t>(0x80040006));

    // An omitted value is checked as Missing (not a number) and stored as Empty.
    Variant none;
    EXPECT_EQ(FailureOf([&] {
                  HostAdd(Variant("N"), Variant::Missing(), Variant(""), none,
                          Variant(int32_t{shared::KSNumberEditor}));
              }).number,
              static_cast<int32_t>(0x8004000A));
    const Variant omitted = HostAdd(Variant("T"), Variant::Missing(), Variant(""), none);
    EXPECT_TRUE(ole::PtrCast<CProperty>(omitted.AsObject())->GetValue().IsEmpty());
    EXPECT_EQ(properties->Count(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"1:c", "1:T"}));
}

TEST_F(CPropertiesTest, AddWithoutALiveOwnerAddsNothing) {
    auto unbound = CProperties::Create();
    EXPECT_FALSE(unbound->Add("Left", Variant(1)));
    EXPECT_EQ(unbound->Count(), 0);

    properties->Add("Left", Variant(1));
    list.Reset();
    std::string key = "k";
    EXPECT_FALSE(properties->Add("Top", Variant(1), "", key, nullptr, true, shared::ksTextEditor));
    EXPECT_EQ(properties->Count(), 1);
    EXPECT_EQ(events, std::vector<std::string>{"1:Left"});
    EXPECT_FALSE(properties->Item(Variant("k"))) << "no host key left behind";
}

TEST_F(CPropertiesTest, ItemTellsPositionsFromKeysByType) {
    EXPECT_FALSE(properties->Item(Variant(1))) << "an empty collection yields nothing";
    std::string key = "host";
    auto left =
        properties->Add("Left", Variant(1), "Position", key, nullptr, true, shared::ksTextEditor);
    auto top = properties->Add("Top", Variant(2), "Position");
    const Variant host(properties);
    auto itemOf = [&](Variant index) {
        Variant args[] = {index};
        return ole::PtrCast<CProperty>(ole::CallMethod(host, "Item", args).AsObject());
    };
    EXPECT_EQ(itemOf(Variant("position_left")), left);
    EXPECT_EQ(itemOf(Variant("HOST")), left);
    EXPECT_EQ(itemOf(Variant(1)), left);
    EXPECT_EQ(itemOf(Variant(1.5)), top);
    EXPECT_EQ(itemOf(Variant(2.5)), top);
    EXPECT_EQ(FailureOf([&] { itemOf(Variant(true)); }).number, ole::ERR_SUBSCRIPT)
        << "True is position -1";
    EXPECT_FALSE(itemOf(Variant("1")));
    EXPECT_FALSE(itemOf(Variant("nope")));
    EXPECT_FALSE(itemOf(Variant()));
    EXPECT_FALSE(itemOf(Variant::Null()));
    EXPECT_FALSE(itemOf(Variant(ole::DateTime{1.0})));
    EXPECT_EQ(FailureOf([&] { itemOf(Variant(0)); }).number, ole::ERR_SUBSCRIPT);
    EXPECT_EQ(FailureOf([&] { itemOf(Variant(3)); }).number, ole::ERR_SUBSCRIPT);
    EXPECT_EQ(properties->ItemByInternalKey("Position_Top"), top);
    EXPECT_EQ(FailureOf([&] { properties->ItemByInternalKey("host"); }).number,
              ole::ERR_INVALID_CALL);
}

TEST_F(CPropertiesTest, RemoveAndClearAnnounceWhatLeft) {
    std::string key = "k";
    properties->Add("Left", Variant(1), "Position", key, nullptr, true, shared::ksTextEditor);
    properties->Add("Top", Variant(2), "Position");
    events.clear();

    properties->Remove(Variant("unknown"));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(FailureOf([&] { properties->Remove(Variant(5)); }).number, ole::ERR_SUBSCRIPT);

    Variant args[] = {Variant("K")};
    ole::CallMethodById(Variant(properties), CProperties::IdRemove, args);
    EXPECT_EQ(events, std::vector<std::string>{"2:Left"});
    EXPECT_EQ(properties->Count(), 1);
    std::string reuse = "k";
    EXPECT_TRUE(
        properties->Add("Width", Variant(1), "", reuse, nullptr, true, shared::ksTextEditor))
        << "the host key was freed";

    events.clear();
    properties->RemoveByKey("Position_Top");
    EXPECT_EQ(events, std::vector<std::string>{"2:Top"});

    events.clear();
    ole::CallMethod(Variant(properties), "Clear");
    EXPECT_EQ(events, std::vector<std::string>{"3"});
    EXPECT_EQ(ole::GetProperty(Variant(properties), "Count").AsI4(), 0);
}

TEST_F(CPropertiesTest, HandlersMayEmptyTheCollectionWhileItIsChanging) {
    handlers[CProperties::PropertyAdded] = [this](std::span<Variant> args) {
        auto added = ole::PtrCast<CProperty>(args[0].Deref().AsObject());
        properties->Remove(args[0].Deref()); // an object finds nothing
        properties->Remove(Variant(added->GetInternalKey()));
    };
    auto gone = properties->Add("Left", Variant(1));
    ASSERT_TRUE(gone) << "Add returns the property even when a handler removed it";
    EXPECT_EQ(gone->GetName(), "Left");
    EXPECT_EQ(properties->Count(), 0);

    handlers.clear();
    std::string key = "k";
    auto keyed = properties->Add("Top", Variant(1), "", key, nullptr, true, shared::ksTextEditor);
    properties->Add("Width", Variant(1));
    bool once = false;
    handlers[CProperties::PropertyDeleted] = [this, &once](std::span<Variant>) {
        if (std::exchange(once, true))
            return;
        properties->Clear();
        std::string same = "k";
        properties->Add("Again", Variant(1), "", same, nullptr, true, shared::ksTextEditor);
    };
    keyed.Reset();
    properties->Remove(Variant("k"));
    EXPECT_EQ(properties->Count(), 1);
    ASSERT_TRUE(properties->Item(Variant("k")));
    EXPECT_EQ(properties->Item(Variant("k"))->GetName(), "Again")
        << "the new owner of the host key keeps it";

    // Re-added under the same name without a key: the removed property's key resolves to
    // nothing and is free again.
    handlers[CProperties::PropertyDeleted] = [this](std::span<Variant>) {
        properties->Add("Again", Variant(2));
    };
    properties->Remove(Variant("k"));
    handlers.clear();
    EXPECT_FALSE(properties->Item(Variant("k")));
    std::string reused = "k";
    EXPECT_TRUE(
        properties->Add("Other", Variant(3), "", reused, nullptr, true, shared::ksTextEditor));
}

TEST_F(CPropertiesTest, EnumerationWalksASnapshot) {
    for (const char* name : {"A", "B", "C", "D"})
        properties->Add(name, Variant(1));
    auto enumerator = ole::GetEnumerator(Variant(properties));
    std::vector<std::string> seen;
    Variant item;
    while (enumerator->Next(item)) {
        auto property = ole::PtrCast<CProperty>(item.AsObject());
        seen.push_back(property->GetName());
        properties->Remove(Variant(property->GetInternalKey()));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(properties->Count(), 0);
}

} // namespace
} // namespace attrgrid::test
