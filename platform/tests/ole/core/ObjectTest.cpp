#include "Gadget.h"
#include "testsupport/CleanPlatform.h"

#include "platform/ole/object/ObjectProbes.h"
#include "platform/ole/object/TypeName.h"
#include "platform/ole/object/WeakRef.h"
#include "platform/ole/typeinfo/ICategorizeProperties.h"

#include <gtest/gtest.h>

#include <set>

using namespace ole;
using coretest::Gadget;

namespace {

class ObjectTest : public testsupport::CleanPlatform {};

// Offers ICategorizeProperties by IID and by C++ type.
class Categorized : public Object, public ICategorizeProperties {
public:
    int32_t MapPropertyToCategory(DISPID memberId) override {
        if (memberId == 1)
            return PROPCAT_Font;
        RaiseError(5);
    }
    std::string GetCategoryName(int32_t category, uint32_t) override {
        return category == 1 ? "Custom" : "";
    }
    Ptr<Object> QueryInterface(const Guid& iid) override {
        if (iid == IID_ICategorizeProperties)
            return Ptr<Object>(this);
        return Object::QueryInterface(iid);
    }
    static const ClassInfo& Info() {
        static const ClassInfo info = ClassBuilder<Categorized>("Categorized").Build();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return Info(); }
};

} // namespace

TEST_F(ObjectTest, ReferencesCountAndReleaseTheObject) {
    const size_t before = LiveObjectCount();
    {
        Ptr<Gadget> a = Gadget::Create();
        EXPECT_EQ(a->RefCount(), 1u);
        Ptr<Object> b = a;
        EXPECT_EQ(a->RefCount(), 2u);
        Ptr<Object> c = std::move(b);
        EXPECT_FALSE(b);
        EXPECT_EQ(a->RefCount(), 2u);
        Variant v(a);
        EXPECT_EQ(a->RefCount(), 3u);
        EXPECT_EQ(LiveObjectCount(), before + 1);
    }
    EXPECT_EQ(LiveObjectCount(), before);
}

TEST_F(ObjectTest, WeakIdsResolveWhileAliveAndAreNeverReused) {
    std::set<uint32_t> seen;
    uint32_t deadId = 0;
    {
        Ptr<Gadget> g = Gadget::Create();
        deadId = PtrOfObject(g);
        EXPECT_NE(deadId, 0u);
        EXPECT_EQ(PtrOfObject(g), deadId);
        EXPECT_TRUE(Is(ObjectFromPtr(deadId), g));
        seen.insert(deadId);
    }
    EXPECT_FALSE(ObjectFromPtr(deadId));
    EXPECT_FALSE(ObjectFromPtr(0));
    EXPECT_EQ(PtrOfObject(static_cast<const Object*>(nullptr)), 0u);
    // New objects, possibly at the same address, get fresh ids.
    for (int i = 0; i < 100; ++i) {
        Ptr<Gadget> g = Gadget::Create();
        EXPECT_TRUE(seen.insert(PtrOfObject(g)).second);
    }
    EXPECT_FALSE(ObjectFromPtr(deadId));
}

TEST_F(ObjectTest, WeakRefDoesNotKeepItsTargetAlive) {
    Ptr<Gadget> parent = Gadget::Create();
    WeakRef<Gadget> weak(parent);
    EXPECT_TRUE(Is(weak.Lock(), parent));
    EXPECT_EQ(parent->RefCount(), 1u);
    // The wrong type resolves to null rather than to a miscast object.
    WeakRef<Categorized> wrongType(WeakRef<Categorized>{});
    EXPECT_FALSE(wrongType.Lock());
    parent.Reset();
    EXPECT_TRUE(weak.Expired());
    EXPECT_FALSE(weak.Lock());
}

namespace {

// Looks itself up by weak id while being destroyed: it must not come back to life.
class Reentrant : public Object {
public:
    ~Reentrant() override { m_foundWhileDying = static_cast<bool>(ObjectFromPtr(m_id)); }
    uint32_t m_id = PtrOfObject(this);
    bool& m_foundWhileDying;
    explicit Reentrant(bool& found) : m_foundWhileDying(found) {}
    static const ClassInfo& Info() {
        static const ClassInfo info = ClassBuilder<Reentrant>("Reentrant").Build();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return Info(); }
};

} // namespace

TEST_F(ObjectTest, ADyingObjectCannotBeResolved) {
    bool found = true;
    MakeObject<Reentrant>(found).Reset();
    EXPECT_FALSE(found);
}

TEST_F(ObjectTest, IdentityTypeNameAndInterfaceQueries) {
    Ptr<Gadget> a = Gadget::Create();
    Ptr<Gadget> b = Gadget::Create();
    EXPECT_TRUE(Is(a, Ptr<Object>(a)));
    EXPECT_FALSE(Is(a, b));
    EXPECT_TRUE(Is(Variant::Nothing(), Variant::Nothing()));
    EXPECT_FALSE(Is(Variant(a), Variant("gadget")));

    EXPECT_EQ(TypeName(Variant(a)), "Gadget");
    EXPECT_EQ(TypeName(Variant::Nothing()), "Nothing");
    EXPECT_EQ(TypeName(Variant(int16_t{1})), "Integer");
    EXPECT_EQ(TypeName(Variant(1)), "Long");
    EXPECT_EQ(TypeName(Variant("s")), "String");
    EXPECT_EQ(TypeName(Variant::FromBytes({1})), "Byte()");
    EXPECT_EQ(TypeName(Variant::Null()), "Null");
    EXPECT_EQ(TypeName(Variant()), "Empty");

    EXPECT_TRUE(Is(a->QueryInterface(IID_IDispatch), a));
    EXPECT_TRUE(Is(a->QueryInterface(Gadget::Info().InterfaceId()), a));
    EXPECT_FALSE(a->QueryInterface(IID_ICategorizeProperties));
    EXPECT_FALSE(QueryCategorizeProperties(*a));
    EXPECT_NE(dynamic_cast<EventSource*>(a.Get()), nullptr);

    Ptr<Categorized> c = MakeObject<Categorized>();
    ICategorizeProperties* categories = QueryCategorizeProperties(*c);
    ASSERT_NE(categories, nullptr);
    EXPECT_EQ(categories->MapPropertyToCategory(1), PROPCAT_Font);
    EXPECT_THROW(categories->MapPropertyToCategory(2), Error);
    EXPECT_EQ(categories->GetCategoryName(1, 0), "Custom");
}
