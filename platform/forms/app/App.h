#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {

// The App object of one component: the program and every control library have their own, found
// by the component's name ("Attrgrid", "Sampledesk"). Title is what error sources and message-box
// titles use; Path the folder of the component's file, without a trailing separator.
//
// Each library's App lives as long as the process: library code keeps references to its own.
class App {
public:
    // The executable's App. Its names default to the executable file's name without extension;
    // the program sets them at start-up.
    static App& Program();
    // A control library's App, made on first use. With a module, Path and hInstance describe the
    // loaded file; without one they are the executable's until SetModule.
    static App& Component(std::string_view exeName, win::HMODULE module = {});
    // Null when no component of that name was made.
    static App* Find(std::string_view exeName);

    const std::string& Title() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }
    const std::string& EXEName() const { return m_exeName; }
    const std::string& Path() const { return m_path; }
    int16_t Major() const { return m_major; }
    int16_t Minor() const { return m_minor; }
    int16_t Revision() const { return m_revision; }
    void SetVersion(int16_t major, int16_t minor, int16_t revision);
    int32_t hInstance() const { return static_cast<int32_t>(m_instance.Value()); }
    // Settable text, nothing behind it: no key opens it on its own.
    const std::string& HelpFile() const { return m_helpFile; }
    void SetHelpFile(std::string helpFile) { m_helpFile = std::move(helpFile); }

    void SetModule(win::HMODULE module);

    App(std::string exeName, win::HMODULE module);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

private:
    std::string m_exeName;
    std::string m_title;
    std::string m_path;
    std::string m_helpFile;
    win::HINSTANCE m_instance;
    int16_t m_major = 1;
    int16_t m_minor = 0;
    int16_t m_revision = 0;
};

// The folder part of a file path ("" for a bare name), without the trailing separator.
std::string FolderOf(std::string_view filePath);

} // namespace forms
