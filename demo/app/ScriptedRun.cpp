#include "ScriptedRun.h"

#include "demo/app/Sampledesk.h"
#include "demo/forms/MDISample.h"
#include "demo/forms/frmDesigner.h"
#include "demo/forms/frmProperties.h"
#include "demo/hosted/HostedEvents.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/image/PngCodec.h"
#include "platform/win/test/Snapshot.h"
#include "platform/win/test/TestApi.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <thread>

namespace sampledesk {

namespace {

// A display server answers in its own time: pump a while so every window is mapped and painted.
void Settle() {
    for (int i = 0; i < 10; ++i) {
        win::test::pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
}

ole::Variant ObjectVariant(const ole::Ptr<ole::Object>& object) {
    return ole::Variant(object);
}

// Runs the pointer across the toolbox until the bar highlights the tool, then clicks there.
void PickTool(Sampledesk& program, const std::string& caption) {
    const auto toolbox = program.Main()->m_ToolBox();
    std::optional<win::POINT> found;
    win::POINT at{};
    HostedEvents events(toolbox);
    events.On("ButtonHighlightChanged", [&](std::span<ole::Variant> args) {
        if (ole::CBool(args[1].Deref()) &&
            ole::CStr(ole::GetProperty(args[0].Deref(), "Caption")) == caption)
            found = at;
    });
    win::RECT r{};
    win::GetWindowRect(toolbox->Window(), &r);
    for (at.y = r.top + 2; at.y < r.bottom && !found; at.y += 4) {
        for (at.x = r.left + 2; at.x < r.right && !found; at.x += 4) {
            win::test::mouseMove(at);
            win::test::pump();
        }
    }
    if (!found)
        throw std::runtime_error("no tool " + caption);
    win::test::click(*found);
}

} // namespace

std::string ScriptedRun::Run(Sampledesk& program) {
    std::filesystem::create_directories(m_folder);
    forms::MessageBoxResponder().SetFunction(
        [](const forms::MessageBoxRequest&) { return std::optional<int>(forms::vbOK); });
    program.Start();
    Settle();
    Shoot(program, "before");

    PickTool(program, "CommandButton");
    Settle();
    const auto surface = program.Designer()->m_FormDesigner();
    win::test::drag(surface->Window(), {40, 40}, {140, 73});
    Settle();
    // A click on the button selects it and shows its rows; the new caption goes in through the
    // row, which writes it to the button.
    win::test::click(surface->Window(), {60, 50});
    Settle();
    const ole::Variant properties =
        ole::GetObjectProperty(ObjectVariant(program.Properties()->m_Properties()), "Properties");
    const int32_t count = ole::CLng(ole::GetProperty(properties, "Count"));
    for (int32_t i = 1; i <= count; ++i) {
        std::array<ole::Variant, 1> index{ole::Variant(i)};
        const ole::Variant row = ole::CallMethod(properties, "Item", index);
        if (ole::CStr(ole::GetProperty(row, "Name")) == "Caption")
            ole::LetProperty(row, "Value", ole::Variant(std::string("Hello")));
    }
    Settle();
    Shoot(program, "after");
    program.Shutdown();
    return m_written;
}

void ScriptedRun::Shoot(Sampledesk& program, const std::string& stage) {
    const auto write = [&](const win::test::Snapshot& snapshot, const std::string& name) {
        const std::filesystem::path path = std::filesystem::path(m_folder) / (name + ".png");
        if (!win::image::PngCodec::WriteFile(path.string(), snapshot, false))
            throw std::runtime_error("cannot write " + path.string());
        m_written += path.string() + "\n";
    };
    write(win::test::CaptureScreen(), "screen-" + stage);
    write(win::test::CaptureWindow(program.Main()->Window()), "main-" + stage);
    write(win::test::CaptureWindow(program.Designer()->Window()), "designer-" + stage);
    write(win::test::CaptureWindow(program.Properties()->Window()), "properties-" + stage);
}

} // namespace sampledesk
