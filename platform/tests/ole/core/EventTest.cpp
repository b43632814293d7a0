#include "Gadget.h"
#include "testsupport/CleanPlatform.h"

#include "platform/ole/dispatch/DispatchForwarder.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/event/EventSink.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ole;
using coretest::Gadget;

namespace {

class EventTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        TakeReportedErrors();
    }
};

// A sink declared the ordinary way: a class whose method carries the event's id.
class ChangingListener : public Object {
public:
    explicit ChangingListener(std::vector<std::string>* log) : m_log(log) {}
    void Changing(std::string newValue, bool& cancel) {
        m_log->push_back("listener:" + newValue + (cancel ? ":cancelled" : ":open"));
    }
    static const ClassInfo& Info() {
        static const ClassInfo info = ClassBuilder<ChangingListener>("ChangingListener")
                                          .Method("Changing", 1, &ChangingListener::Changing)
                                          .Build();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    std::vector<std::string>* m_log;
};

} // namespace

TEST_F(EventTest, SinksRunInConnectionOrderAndShareByRefWrites) {
    Ptr<Gadget> g = Gadget::Create();
    std::vector<std::string> log;
    Ptr<EventSink> first = EventSink::Create();
    first->On(Gadget::Changing, [&](std::span<Variant> args) {
        log.push_back("first:" + args[0].AsString());
        args[1].Deref() = Variant(true);
        args[0].Deref() = Variant("changed by first");
    });
    Ptr<EventSink> second = EventSink::Create();
    second->On(Gadget::Changing, [&](std::span<Variant> args) {
        // The by-value argument reaches every sink as the raiser set it.
        log.push_back("second:" + args[0].AsString() + (args[1].AsBool() ? ":cancel" : ":go"));
        args[1].Deref() = Variant(true);
    });
    const uint32_t c1 = ConnectEvents(g, first);
    const uint32_t c2 = ConnectEvents(g, second);
    const uint32_t c3 = ConnectEvents(g, MakeObject<ChangingListener>(&log));
    EXPECT_NE(c1, 0u);
    EXPECT_NE(c1, c2);

    EXPECT_TRUE(g->RaiseChanging("new", false));
    EXPECT_EQ(log, (std::vector<std::string>{"first:new", "second:new:cancel",
                                             "listener:new:cancelled"}));
    // Sinks without a member for an event are skipped, not failed.
    g->Events().Raise(Gadget::Changed);
    EXPECT_TRUE(TakeReportedErrors().empty());
    // No sinks: the raiser's value comes back unchanged.
    EXPECT_TRUE(DisconnectEvents(g, c1));
    EXPECT_TRUE(DisconnectEvents(g, c2));
    EXPECT_TRUE(DisconnectEvents(g, c3));
    EXPECT_FALSE(DisconnectEvents(g, c3));
    EXPECT_FALSE(g->RaiseChanging("x", false));
}

TEST_F(EventTest, SinkMayDisconnectItselfOrOthersDuringTheRaise) {
    Ptr<Gadget> g = Gadget::Create();
    std::vector<std::string> log;
    uint32_t selfCookie = 0;
    uint32_t laterCookie = 0;
    Ptr<EventSink> self = EventSink::Create();
    self->On(Gadget::Changing, [&](std::span<Variant>) {
        log.push_back("self");
        g->Events().Unadvise(selfCookie);
        g->Events().Unadvise(laterCookie);
        // Connected during the raise: not called by this raise.
        Ptr<EventSink> late = EventSink::Create();
        late->On(Gadget::Changing, [&](std::span<Variant>) { log.push_back("late"); });
        g->Events().Advise(late);
    });
    Ptr<EventSink> later = EventSink::Create();
    later->On(Gadget::Changing, [&](std::span<Variant>) { log.push_back("later"); });
    selfCookie = g->Events().Advise(self);
    laterCookie = g->Events().Advise(later);
    self.Reset();

    g->RaiseChanging("a", false);
    EXPECT_EQ(log, std::vector<std::string>{"self"});
    g->RaiseChanging("b", false);
    EXPECT_EQ(log, (std::vector<std::string>{"self", "late"}));
    g->Events().UnadviseAll();
}

TEST_F(EventTest, ASinkMayReleaseTheLastReferenceToTheRaiser) {
    Ptr<Gadget> g = Gadget::Create();
    const uint32_t id = PtrOfObject(g);
    int calls = 0;
    Ptr<EventSink> releasing = EventSink::Create();
    releasing->On(Gadget::Changing, [&](std::span<Variant>) {
        ++calls;
        g.Reset();
    });
    Ptr<EventSink> next = EventSink::Create();
    next->On(Gadget::Changing, [&](std::span<Variant>) { ++calls; });
    Gadget* raiser = g.Get();
    raiser->Events().Advise(releasing);
    raiser->Events().Advise(next);
    raiser->RaiseChanging("x", false);
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(ObjectFromPtr(id));
}

TEST_F(EventTest, ErrorsInSinksAreReportedAndNeverEscape) {
    Ptr<Gadget> g = Gadget::Create();
    std::vector<int32_t> handled;
    auto previous =
        SetUnhandledErrorHandler([&](const Error& e) { handled.push_back(e.Number()); });
    Ptr<EventSink> throwing = EventSink::Create();
    throwing->On(Gadget::Changing, [](std::span<Variant> args) {
        args[1].Deref() = Variant(true);
        RaiseError(380);
    });
    Ptr<EventSink> plain = EventSink::Create();
    plain->On(Gadget::Changing, [](std::span<Variant>) { throw std::logic_error("oops"); });
    bool reached = false;
    Ptr<EventSink> last = EventSink::Create();
    last->On(Gadget::Changing, [&](std::span<Variant>) { reached = true; });
    g->Events().Advise(throwing);
    g->Events().Advise(plain);
    g->Events().Advise(last);

    bool cancel = false;
    EXPECT_NO_THROW(cancel = g->RaiseChanging("v", false));
    EXPECT_TRUE(cancel);
    EXPECT_TRUE(reached);
    EXPECT_EQ(handled, (std::vector<int32_t>{380, 440}));
    const std::vector<Error> reported = TakeReportedErrors();
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[1].Description(), "oops");
    SetUnhandledErrorHandler(previous);
    g->Events().UnadviseAll();
}

TEST_F(EventTest, SinksBindByIdOrByPosition) {
    Ptr<Gadget> g = Gadget::Create();
    std::vector<std::string> log;
    Ptr<EventSink> byPosition = EventSink::Create();
    // Changing is declared at position 0 with id 1.
    byPosition->On(0, [&](std::span<Variant>) { log.push_back("position"); });
    byPosition->On(1, [&](std::span<Variant>) { log.push_back("wrong"); });
    ConnectEvents(g, byPosition, EventBinding::ByPosition);
    g->RaiseChanging("x", false);
    EXPECT_EQ(log, std::vector<std::string>{"position"});
    // Undeclared events are the raiser's fault and do raise.
    EXPECT_THROW(g->Events().Raise(99), Error);
    EXPECT_NO_THROW(g->Events().Raise("changed"));
    EXPECT_THROW(ConnectEvents(MakeObject<ChangingListener>(&log), byPosition), Error);
    g->Events().UnadviseAll();
}

namespace {

// A host-implemented interface: the C++ listener with default bodies and the adapter that
// forwards to a foreign object's member ids.
class KeyListener {
public:
    virtual ~KeyListener() = default;
    virtual int32_t KeyPressed(int16_t& keyAscii) {
        (void)keyAscii;
        return 0;
    }
};

class KeyListenerAdapter : public KeyListener, DispatchForwarder {
public:
    using DispatchForwarder::DispatchForwarder;
    int32_t KeyPressed(int16_t& keyAscii) override {
        if (!Implements(1))
            return KeyListener::KeyPressed(keyAscii);
        Variant key(keyAscii);
        Variant args[] = {Variant::ByRef(key)};
        const Variant result = Call(1, args);
        keyAscii = key.AsI2();
        return result.AsI4();
    }
};

class HostKeyObject : public Object {
public:
    int32_t KeyPressed(int16_t& keyAscii) {
        keyAscii = static_cast<int16_t>(keyAscii - 32);
        return 7;
    }
    static const ClassInfo& Info() {
        static const ClassInfo info = ClassBuilder<HostKeyObject>("HostKeyObject")
                                          .Method("KeyPressed", 1, &HostKeyObject::KeyPressed)
                                          .Build();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return Info(); }
};

} // namespace

TEST_F(EventTest, HostObjectsImplementListenersThroughTheAdapter) {
    KeyListenerAdapter adapter(MakeObject<HostKeyObject>());
    int16_t key = 'a';
    EXPECT_EQ(adapter.KeyPressed(key), 7);
    EXPECT_EQ(key, 'A');

    // A foreign object without the member keeps the C++ default.
    KeyListenerAdapter fallback(EventSink::Create());
    EXPECT_EQ(fallback.KeyPressed(key), 0);
    EXPECT_EQ(key, 'A');
}
