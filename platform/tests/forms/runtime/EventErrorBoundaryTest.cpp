#include "RuntimeFixture.h"

#include "platform/forms/app/App.h"
#include "platform/forms/errors/EventErrorBoundary.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/event/ConnectionPoint.h"

#include <stdexcept>
#include <string>
#include <vector>

using namespace runtimetest;

namespace {

// An event source with one event, and a sink whose handler fails.
class Ticker : public ole::Object {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<Ticker>("Ticker").Library("Runtime").Event("Tick", 1, {}).Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ole::ConnectionPoint events{Info(), this};
};

class FailingSink : public ole::Object {
public:
    void Tick() { ole::RaiseError(0x80040007, "The tick handler failed"); }
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<FailingSink>("FailingSink")
                                               .Method("Tick", 1, &FailingSink::Tick)
                                               .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
};

class EventErrorBoundaryTest : public RuntimeTest {
protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        m_title = forms::App::Program().Title();
        forms::App::Program().SetTitle("Sampledesk");
    }
    void TearDown() override {
        forms::App::Program().SetTitle(m_title);
        RuntimeTest::TearDown();
    }

private:
    std::string m_title;
};

TEST_F(EventErrorBoundaryTest, EscapingErrorIsShownInAStopBoxTitledWithTheProgramAndReported) {
    const HWND main = TopLevel();
    int ranAfter = 0;
    EXPECT_FALSE(forms::CallEventHandler(
        [] { throw ole::Error(380, "Invalid property value", "Attrgrid"); }));
    EXPECT_TRUE(forms::CallEventHandler([&] { ++ranAfter; }));
    EXPECT_FALSE(forms::CallEventHandler([] { throw std::runtime_error("plain failure"); }));
    EXPECT_EQ(ranAfter, 1);

    const auto log = Responder().TakeLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].request.text, "Invalid property value");
    EXPECT_EQ(log[0].request.caption, "Sampledesk");
    EXPECT_EQ(log[0].request.type, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(log[0].request.owner, main);
    EXPECT_EQ(log[1].request.text, "plain failure");

    const auto reported = ole::TakeReportedErrors();
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0].Number(), 380);
    EXPECT_EQ(reported[0].Source(), "Attrgrid");
    EXPECT_EQ(reported[1].Number(), 440);
}

TEST_F(EventErrorBoundaryTest, BoundaryInsideAWindowProcedureKeepsTheProgramRunning) {
    const HWND main = TopLevel();
    int clicks = 0;
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == main && msg == WM_LBUTTONUP) {
            forms::CallEventHandler([&] {
                ++clicks;
                ole::RaiseError(ole::ERR_TYPE_MISMATCH);
            });
            return 0;
        }
        return std::nullopt;
    });
    Responder().SetFunction([&](const forms::MessageBoxRequest&) {
        EXPECT_FALSE(IsWindowEnabled(main));
        return std::optional<int>(IDOK);
    });
    test::click(main, {20, 20});
    test::click(main, {30, 20});
    test::pump();
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(Responder().Log().size(), 2u);

    // A handler failing again while the box is open (a failing Paint under its loop) is
    // reported, but gets no box of its own.
    Responder().SetFunction([&](const forms::MessageBoxRequest&) {
        forms::CallEventHandler([] { ole::RaiseError(ole::ERR_OVERFLOW); });
        return std::optional<int>(IDOK);
    });
    ole::TakeReportedErrors();
    forms::CallEventHandler([] { ole::RaiseError(ole::ERR_SUBSCRIPT); });
    EXPECT_EQ(Responder().Log().size(), 3u);
    EXPECT_EQ(ole::TakeReportedErrors().size(), 2u);
    EXPECT_EQ(Responder().Log()[0].request.text, "Type mismatch");
    EXPECT_TRUE(test::CaughtExceptions().empty());
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(EventErrorBoundaryTest, SinkErrorsCaughtByTheConnectionPointAreShownOncePerError) {
    std::vector<int32_t> collected;
    const auto previous = ole::SetUnhandledErrorHandler(
        [&](const ole::Error& error) { collected.push_back(error.Number()); });
    const int32_t sinkError = static_cast<int32_t>(0x80040007);
    {
        const ole::Ptr<Ticker> ticker = ole::MakeObject<Ticker>();
        ticker->events.Advise(ole::MakeObject<FailingSink>());
        ticker->events.Advise(ole::MakeObject<FailingSink>());

        // Raised outside any dispatch boundary the connection point only reports.
        ticker->events.Raise(1);
        EXPECT_TRUE(Responder().Log().empty());

        // Through the boundary each failing sink gets its box, and both still ran.
        EXPECT_TRUE(forms::CallEventHandler([&] { ticker->events.Raise(1); }));
        ASSERT_EQ(Responder().Log().size(), 2u);
        EXPECT_EQ(Responder().Log()[0].request.text, "The tick handler failed");

        // Nested boundaries and a program-wide scope still give one box per error.
        const forms::EventErrorBoxScope programScope;
        EXPECT_FALSE(forms::CallEventHandler([] {
            forms::CallEventHandler([] { ole::RaiseError(ole::ERR_SUBSCRIPT); });
            ole::RaiseError(ole::ERR_INVALID_CALL);
        }));
        EXPECT_EQ(Responder().Log().size(), 4u);
    }
    // The outermost scope put the collector back: it hears this one, which is shown directly.
    forms::ReportEventError(ole::Error(13, "Type mismatch"));
    EXPECT_EQ(Responder().Log().size(), 5u);
    EXPECT_EQ(collected,
              (std::vector<int32_t>{sinkError, sinkError, sinkError, sinkError, 9, 5, 13}));
    ole::SetUnhandledErrorHandler(previous);
    EXPECT_EQ(ole::TakeReportedErrors().size(), collected.size());
}

} // namespace
