#include "platform/forms/app/App.h"

#include "platform/base/TextCase.h"
#include "platform/win/kernel/Modules.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace forms {

namespace {

std::string ModulePath(win::HMODULE module) {
    std::string path(4096, '\0');
    const win::DWORD n =
        win::GetModuleFileNameA(module, path.data(), static_cast<win::DWORD>(path.size()));
    path.resize(std::min<size_t>(n, path.size()));
    return path;
}

// "/x/libAttrgrid.so" -> "Attrgrid"; "/x/platform_tests" -> "platform_tests".
std::string ComponentNameOf(std::string_view filePath) {
    std::string_view name = filePath.substr(filePath.find_last_of('/') + 1);
    if (name.starts_with("lib") && name.ends_with(".so")) {
        name = name.substr(3, name.size() - 6);
    } else if (const size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    return std::string(name);
}

// The executable's instance handle: one value for the process, never a window or GDI handle.
win::HINSTANCE ProgramInstance() {
    static const win::HINSTANCE instance = win::HINSTANCE::New();
    return instance;
}

std::vector<std::unique_ptr<App>>& Components() {
    static std::vector<std::unique_ptr<App>> components;
    return components;
}

} // namespace

std::string FolderOf(std::string_view filePath) {
    const size_t slash = filePath.find_last_of('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return std::string(filePath.substr(0, slash == 0 ? 1 : slash));
}

App::App(std::string exeName, win::HMODULE module)
    : m_exeName(std::move(exeName)), m_title(m_exeName) {
    SetModule(module);
}

void App::SetModule(win::HMODULE module) {
    m_instance = module ? module : ProgramInstance();
    m_path = FolderOf(ModulePath(module));
}

void App::SetVersion(int16_t major, int16_t minor, int16_t revision) {
    m_major = major;
    m_minor = minor;
    m_revision = revision;
}

App& App::Program() {
    static App program(ComponentNameOf(ModulePath({})), {});
    return program;
}

App& App::Component(std::string_view exeName, win::HMODULE module) {
    if (App* existing = Find(exeName)) {
        if (module) {
            existing->SetModule(module);
        }
        return *existing;
    }
    return *Components().emplace_back(std::make_unique<App>(std::string(exeName), module));
}

App* App::Find(std::string_view exeName) {
    for (const auto& app : Components()) {
        if (base::EqualsNoCase(app->EXEName(), exeName)) {
            return app.get();
        }
    }
    return nullptr;
}

} // namespace forms
