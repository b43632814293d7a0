// The property list as hosts bind to it: the member table by id and by name, identity and type
// names, events with by-reference arguments, and errors that cross the dispatch boundary intact.

#include "GridFixture.h"

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "platform/forms/Forms.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/ole/typeinfo/InterfaceDescription.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

namespace attrgrid {
namespace {

enum Kind : uint16_t {
    G = ole::DISPATCH_PROPERTYGET,
    L = ole::DISPATCH_PROPERTYPUT,
    S = ole::DISPATCH_PROPERTYPUTREF,
    M = ole::DISPATCH_METHOD,
};

struct Row {
    const char* name;
    uint32_t id;
    uint16_t kinds;
    const char* typeName; // of the property's value; "" for plain types and methods
};

// The interface in its declaration order.
constexpr Row kMembers[] = {
    {"ActiveView", 0x68030028, G | L, "ksActiveView"},
    {"AlphabeticTabCaption", 0x68030027, G | L, ""},
    {"Appearance", 0x68030026, G | L, "ksAppearance"},
    {"BackColor", 0x68030025, G | L, "OLE_COLOR"},
    {"BorderStyle", 0x68030024, G | L, "ksBorderStyle"},
    {"CategorizedTabCaption", 0x68030023, G | L, ""},
    {"CategoryAppearance", 0x68030022, G | L, "ksAppearance"},
    {"CategoryBackColor", 0x68030021, G | L, "OLE_COLOR"},
    {"CategoryBold", 0x68030020, G | L, ""},
    {"CategoryForeColor", 0x6803001F, G | L, "OLE_COLOR"},
    {"CategorySeparator", 0x6803001E, G | L, ""},
    {"CustomSort", 0x6803001D, G | L, ""},
    {"DefaultCategory", 0x6803001C, G | L, ""},
    {"Enabled", 0x6803001B, G | L, ""},
    {"Font", 0x6803001A, G | S, "Font"},
    {"ForeColor", 0x68030019, G | L, "OLE_COLOR"},
    {"Grid", 0x68030018, G | L, "ksGrid"},
    {"Headers", 0x68030017, G | L, "ksHeaders"},
    {"HighlightBackColor", 0x68030016, G | L, "OLE_COLOR"},
    {"HighlightForeColor", 0x68030015, G | L, "OLE_COLOR"},
    {"hwnd", 0x68030014, G, ""},
    {"Indentation", 0x68030013, G | L, ""},
    {"LineColor", 0x68030012, G | L, "OLE_COLOR"},
    {"LoadObjectProperties", 0x6003009C, M, ""},
    {"LockRefresh", 0x68030011, G | L, ""},
    {"NameCaption", 0x68030010, G | L, ""},
    {"Picture", 0x6803000F, G | S, "Picture"},
    {"PictureLayout", 0x6803000E, G | L, "ksPictureLayout"},
    {"Properties", 0x6803000D, G, "CProperties"},
    {"PropertyBackColor", 0x6803000C, G | L, "OLE_COLOR"},
    {"PropertyForeColor", 0x6803000B, G | L, "OLE_COLOR"},
    {"Refresh", 0x6003009E, M, ""},
    {"RegisterEditor", 0x6003009F, M, ""},
    {"SelectedProperty", 0x6803000A, G | S, "CProperty"},
    {"ShowDescription", 0x68030009, G | L, ""},
    {"ShowTabs", 0x68030008, G | L, ""},
    {"ShowToolTip", 0x68030007, G | L, ""},
    {"Sorted", 0x68030006, G | L, ""},
    {"SortOnHeaderClick", 0x68030005, G | L, ""},
    {"SortOrder", 0x68030004, G | L, "ksSortOrder"},
    {"TreeStyle", 0x68030003, G | L, "ksTreeStyle"},
    {"UnRegisterEditor", 0x600300A0, M, ""},
    {"ValueCaption", 0x68030002, G | L, ""},
};

std::optional<ole::Error> ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ole::Error& e) {
        return e;
    }
    return std::nullopt;
}

ole::DISPID Id(uint32_t id) {
    return static_cast<ole::DISPID>(id);
}

class AutomationTest : public test::GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        HostGrid();
        Host().Show();
        grid = GridObject();
        site = ole::Ptr<forms::Extender>(&Ext());
        ext = ole::Variant(site);
    }
    void TearDown() override {
        ext = ole::Variant();
        site.Reset();
        grid.Reset();
        GridFixture::TearDown();
    }

    ole::Ptr<ZAVeravuvuDudu> grid;
    ole::Ptr<forms::Extender> site;
    ole::Variant ext;
};

TEST_F(AutomationTest, EveryMemberIsReachableByIdAndNameWithItsKinds) {
    const ole::ClassInfo& info = ZAVeravuvuDudu::Info();
    std::set<ole::DISPID> ids;
    for (const ole::MemberInfo& member : info.Members())
        ids.insert(member.id);
    EXPECT_EQ(ids.size(), std::size(kMembers));

    // The interface keeps the table's order: accessors of one member are adjacent.
    std::vector<std::string> order;
    for (const ole::MemberInfo& member : info.Members()) {
        if (order.empty() || order.back() != member.name)
            order.push_back(member.name);
    }
    ASSERT_EQ(order.size(), std::size(kMembers));

    for (size_t i = 0; i < std::size(kMembers); ++i) {
        const Row& row = kMembers[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(order[i], row.name);
        EXPECT_EQ(grid->GetIDsOfNames(row.name), Id(row.id));
        for (uint16_t kind : {G, L, S, M}) {
            const ole::MemberInfo* member = info.FindMember(Id(row.id), kind);
            EXPECT_EQ(member != nullptr, (row.kinds & kind) != 0) << "kind " << kind;
            if (!member || kind == M)
                continue;
            const ole::TypeRef& type = kind == G ? member->returnType : member->params.back().type;
            EXPECT_EQ(type.name, row.typeName) << "kind " << kind;
        }
        // Every property reads by id through the extender, as the demo reads it.
        if (row.kinds & G) {
            const bool object = info.FindMember(Id(row.id), G)->returnType.vt == ole::VT_DISPATCH;
            auto error = ErrorOf([&] {
                if (object)
                    ole::GetObjectPropertyById(ext, Id(row.id));
                else
                    ole::GetPropertyById(ext, Id(row.id));
            });
            EXPECT_FALSE(error);
        }
        if (row.kinds == G) {
            auto error = ErrorOf([&] { ole::LetPropertyById(ext, Id(row.id), ole::Variant(1)); });
            ASSERT_TRUE(error);
            EXPECT_EQ(error->Number(), ole::ERR_READ_ONLY);
        }
    }

    // Unused ids, the private header height and unknown names reach nothing.
    for (uint32_t unused : {0x6003009Du, 0x68030000u, 0x68030001u}) {
        auto error = ErrorOf([&] { grid->Invoke(Id(unused), G | M, {}); });
        ASSERT_TRUE(error);
        EXPECT_EQ(error->Number(), ole::ERR_NO_MEMBER);
    }
    EXPECT_EQ(grid->GetIDsOfNames("HeaderHeight"), ole::DISPID_UNKNOWN);
    EXPECT_EQ(grid->GetIDsOfNames("SelChanged"), ole::DISPID_UNKNOWN);
    EXPECT_EQ(grid->GetIDsOfNames("HWND"), Id(0x68030014));

    // Methods with their optional arguments.
    const ole::MemberInfo* load = info.FindMember(ZAVeravuvuDudu::IdLoadObjectProperties, M);
    ASSERT_TRUE(load);
    ASSERT_EQ(load->params.size(), 3u);
    EXPECT_TRUE(load->params[0].byRef);
    EXPECT_FALSE(load->params[0].optional);
    for (size_t i : {1u, 2u}) {
        EXPECT_TRUE(load->params[i].optional);
        EXPECT_EQ(load->params[i].defaultValue.Type(), ole::VT_BOOL);
        EXPECT_FALSE(load->params[i].defaultValue.AsBool());
    }
    EXPECT_EQ(load->returnType.vt, ole::VT_BOOL);
    ole::Variant nothing = ole::Variant::Nothing();
    ole::Variant args[] = {nothing};
    EXPECT_FALSE(ole::CallMethodById(ext, ZAVeravuvuDudu::IdLoadObjectProperties, args).AsBool());
}

TEST_F(AutomationTest, IdentityEventsAndTypeNames) {
    const ole::ClassInfo& info = ZAVeravuvuDudu::Info();
    EXPECT_EQ(info.Library(), "Attrgrid");
    EXPECT_EQ(info.ClassId(), ole::Guid::FromString("{8F411A57-166E-402F-AC97-C294A003FDF0}"));
    EXPECT_EQ(info.InterfaceName(), "_ZAVeravuvuDudu");
    EXPECT_EQ(info.InterfaceId(), ole::Guid::FromString("{9D8AECE4-D09A-490A-A3D1-2FF3322E185A}"));
    const uint32_t flags =
        ole::TYPEFLAG_FDUAL | ole::TYPEFLAG_FNONEXTENSIBLE | ole::TYPEFLAG_FHIDDEN;
    EXPECT_EQ(info.InterfaceFlags() & flags, flags);
    EXPECT_EQ(info.EventInterfaceName(), "__ZAVeravuvuDudu");
    EXPECT_EQ(info.EventInterfaceId(),
              ole::Guid::FromString("{9BE60859-42A7-4E24-A493-181716888826}"));
    EXPECT_EQ(std::string(ZAVeravuvuDudu::kProgId), "Attrgrid.ZAVeravuvuDudu");

    const std::pair<const char*, size_t> events[] = {
        {"PropertyAdded", 1},     {"PropertyDeleted", 1}, {"PropertyDraw", 6},
        {"PropertyCompare", 4},   {"CategoryCompare", 4}, {"SelChanged", 1},
        {"HelpRequested", 2},     {"ValidateValue", 3},   {"ShowEditorDialog", 2},
        {"ActiveViewChanged", 0}, {"DisplayError", 3}};
    ASSERT_EQ(info.Events().size(), std::size(events));
    for (size_t i = 0; i < std::size(events); ++i) {
        const ole::EventInfo* event = info.FindEvent(static_cast<ole::DISPID>(i + 1));
        ASSERT_TRUE(event);
        EXPECT_EQ(event->name, events[i].first);
        EXPECT_EQ(event->params.size(), events[i].second);
    }
    // The by-reference arguments the control reads back.
    const std::pair<ole::DISPID, size_t> byRef[] = {
        {ZAVeravuvuDudu::EvPropertyDraw, 5},    {ZAVeravuvuDudu::EvPropertyCompare, 3},
        {ZAVeravuvuDudu::EvCategoryCompare, 3}, {ZAVeravuvuDudu::EvHelpRequested, 1},
        {ZAVeravuvuDudu::EvValidateValue, 2},   {ZAVeravuvuDudu::EvShowEditorDialog, 1},
        {ZAVeravuvuDudu::EvDisplayError, 2}};
    for (const auto& [id, index] : byRef) {
        const ole::EventInfo* event = info.FindEvent(id);
        for (size_t i = 0; i < event->params.size(); ++i)
            EXPECT_EQ(event->params[i].byRef, i == index) << event->name << " " << i;
    }

    // Type information as a host reads it: colours are 32-bit unsigned, enumerations and the
    // font and picture are named types.
    const auto description = ole::InterfaceDescription::FromObject(*grid);
    ASSERT_TRUE(description);
    EXPECT_EQ(description->Library().Name(), "Attrgrid");
    EXPECT_EQ(description->Library().MajorVersion(), 1);
    EXPECT_EQ(description->Library().MinorVersion(), 0);
    EXPECT_EQ(description->Library().Lcid(), 0u);
    std::map<std::string, ole::ValueTypeDescription> types;
    for (const ole::MemberDescription& member : description->Members()) {
        if (member.invokeKind == ole::DISPATCH_PROPERTYGET)
            types[member.name] = member.returnType;
    }
    EXPECT_EQ(types["BackColor"].varType, 19);
    EXPECT_EQ(types["BackColor"].typeName, "OLE_COLOR");
    EXPECT_EQ(types["LineColor"].varType, 19);
    EXPECT_EQ(types["ActiveView"].typeName, "ksActiveView");
    EXPECT_EQ(types["ActiveView"].typeKind, ole::TKIND_ENUM);
    ASSERT_EQ(types["TreeStyle"].constants.size(), 4u);
    EXPECT_EQ(types["TreeStyle"].constants[3].name, "ksTreeLinesPlusMinusText");
    EXPECT_EQ(types["Font"].typeName, "Font");
    EXPECT_EQ(types["Picture"].typeName, "Picture");
    EXPECT_EQ(types["Indentation"].varType, ole::VT_R4);
    EXPECT_EQ(types["hwnd"].varType, ole::VT_I4);
}

TEST_F(AutomationTest, HwndByIdIsTheGridWindow) {
    const ole::Variant hwnd = ole::GetPropertyById(ext, ZAVeravuvuDudu::IdHwnd);
    EXPECT_EQ(hwnd.Type(), ole::VT_I4);
    EXPECT_NE(hwnd.AsI4(), 0);
    EXPECT_EQ(hwnd.AsI4(), static_cast<int32_t>(grid->GridWnd().Value()));
    EXPECT_NE(hwnd.AsI4(), static_cast<int32_t>(grid->hWnd().Value()));
    EXPECT_TRUE(win::IsWindow(grid->GridWnd()));
}

TEST_F(AutomationTest, SetterAndMethodErrorsCrossDispatchIntact) {
    struct Case {
        std::function<void()> call;
        int32_t number;
        const char* description;
        const char* source;
    };
    const Case cases[] = {
        {[&] { ole::LetPropertyById(ext, ZAVeravuvuDudu::IdIndentation, ole::Variant(-1)); },
         static_cast<int32_t>(0x80040002), "Invalid property value.", "ZAVeravuvuDudu.Indentation"},
        {[&] { ole::LetProperty(ext, "CategorySeparator", ole::Variant("  ")); },
         static_cast<int32_t>(0x80040002), "CategorySeparator : Invalid property value.",
         "Attrgrid"},
        {[&] { ole::LetProperty(ext, "AlphabeticTabCaption", ole::Variant("")); },
         static_cast<int32_t>(0x80040002), "Invalid property value.", "Attrgrid"},
        {[&] { ole::SetPropertyById(ext, ZAVeravuvuDudu::IdFont, ole::Variant::Nothing()); },
         static_cast<int32_t>(0x80040002), "Invalid property value.", "Attrgrid"},
        {[&] {
             ole::Variant args[] = {ole::Variant(""), ole::Variant::Nothing()};
             ole::CallMethodById(ext, ZAVeravuvuDudu::IdRegisterEditor, args);
         },
         static_cast<int32_t>(0x80040003), "Invalid key specified.",
         "ZAVeravuvuDudu.RegisterEditor"},
    };
    for (const Case& c : cases) {
        auto error = ErrorOf(c.call);
        ASSERT_TRUE(error) << c.description;
        EXPECT_EQ(error->Number(), c.number);
        EXPECT_EQ(error->Description(), c.description);
        EXPECT_EQ(error->Source(), c.source);
    }
    EXPECT_EQ(grid->GetCategorySeparator(), "|");

    // A let carrying an object is taken as a set for Font; an equal font changes nothing.
    grid->ClearPropertyChangedLog();
    ole::LetPropertyById(ext, ZAVeravuvuDudu::IdFont, ole::Variant(grid->GetFont()->Clone()));
    EXPECT_TRUE(grid->PropertyChangedLog().empty());
}

TEST_F(AutomationTest, ByReferenceEventArgumentsAreReadBack) {
    auto sink = ole::EventSink::Create();
    sink->On(ZAVeravuvuDudu::EvValidateValue,
             [](std::span<ole::Variant> args) { args[2].Deref() = ole::Variant(true); });
    sink->On(ZAVeravuvuDudu::EvDisplayError,
             [](std::span<ole::Variant> args) { args[2].Deref() = ole::Variant(false); });
    sink->On(ZAVeravuvuDudu::EvShowEditorDialog,
             [](std::span<ole::Variant> args) { args[1].Deref() = ole::Variant("chosen"); });
    sink->On(ZAVeravuvuDudu::EvPropertyCompare,
             [](std::span<ole::Variant> args) { args[3].Deref() = ole::Variant(true); });
    int selChanged = 0;
    sink->On(ZAVeravuvuDudu::EvSelChanged, [&](std::span<ole::Variant>) { ++selChanged; });
    const uint32_t cookie = ole::ConnectEvents(site, sink);

    auto property = grid->GetProperties()->Add("Left", ole::Variant(1));
    const ole::Variant prop(property);
    ole::Variant validate[] = {prop, ole::Variant(2), ole::Variant(false)};
    grid->RaiseEvent(ZAVeravuvuDudu::EvValidateValue, validate);
    EXPECT_TRUE(validate[2].AsBool());
    ole::Variant error[] = {ole::Variant("text"), ole::Variant(380), ole::Variant(true)};
    grid->RaiseEvent(ZAVeravuvuDudu::EvDisplayError, error);
    EXPECT_FALSE(error[2].AsBool());
    ole::Variant dialog[] = {prop, ole::Variant("old")};
    grid->RaiseEvent(ZAVeravuvuDudu::EvShowEditorDialog, dialog);
    EXPECT_EQ(dialog[1].AsString(), "chosen");
    ole::Variant compare[] = {prop, prop, ole::Variant(true), ole::Variant(false)};
    grid->RaiseEvent(ZAVeravuvuDudu::EvPropertyCompare, compare);
    EXPECT_TRUE(compare[3].AsBool());

    // Selection changes of every kind leave SelChanged alone.
    grid->GetProperties()->Add("Top", ole::Variant(2), "Position");
    ole::SetPropertyById(ext, ZAVeravuvuDudu::IdSelectedProperty, prop);
    ole::LetPropertyById(ext, ZAVeravuvuDudu::IdActiveView, ole::Variant(1));
    Host().Click("Grid1");
    win::test::keyPress(win::VK_DOWN);
    win::test::pump();
    EXPECT_EQ(selChanged, 0);

    ole::DisconnectEvents(site, cookie);
}

} // namespace
} // namespace attrgrid
