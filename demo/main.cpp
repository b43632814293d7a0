// Sampledesk on the X display named by $DISPLAY. With --script FOLDER it runs a short scripted
// session instead of waiting for a person and writes PNGs of its windows into FOLDER.
#include "demo/app/Sampledesk.h"
#include "demo/app/ScriptedRun.h"

#include "platform/display/x11/X11Backend.h"
#include "platform/win/Win.h"

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
    std::string error;
    if (!display::X11Backend::Install(nullptr, &error)) {
        std::fprintf(stderr, "Sampledesk: no X display (%s)\n", error.c_str());
        return 1;
    }
    const auto program = sampledesk::Sampledesk::Create();
    if (argc == 3 && std::string_view(argv[1]) == "--script") {
        try {
            std::fputs(sampledesk::ScriptedRun(argv[2]).Run(*program).c_str(), stdout);
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Sampledesk: %s\n", e.what());
            return 1;
        }
    }
    program->Start();
    win::MSG msg{};
    while (win::GetMessageA(&msg, {}, 0, 0) > 0) {
        win::TranslateMessage(&msg);
        win::DispatchMessageA(&msg);
    }
    program->Shutdown();
    return static_cast<int>(msg.wParam);
}
