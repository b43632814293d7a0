#include "platform/forms/library/ControlLibraries.h"

#include "platform/base/TextCase.h"
#include "platform/forms/app/App.h"
#include "platform/forms/controls/StandardControls.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/HResult.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/test/TestApi.h"

#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <vector>

namespace forms {

namespace {

using ServerExport = ole::HRESULT (*)();

struct LoadedLibrary {
    std::string name;
    win::HMODULE module;
};

std::vector<LoadedLibrary>& Libraries() {
    static std::vector<LoadedLibrary> libraries;
    return libraries;
}

LoadedLibrary* FindLoaded(std::string_view name) {
    for (LoadedLibrary& library : Libraries()) {
        if (base::EqualsNoCase(library.name, name)) {
            return &library;
        }
    }
    return nullptr;
}

ServerExport Export(win::HMODULE module, const char* name) {
    // Through void (*)() so the compiler accepts the change of signature; the export has this one.
    return reinterpret_cast<ServerExport>(
        reinterpret_cast<void (*)()>(win::GetProcAddress(module, name)));
}

std::string ExecutableFolder() {
    std::string path(4096, '\0');
    const win::DWORD n =
        win::GetModuleFileNameA({}, path.data(), static_cast<win::DWORD>(path.size()));
    path.resize(n < path.size() ? n : 0);
    return FolderOf(path);
}

// Where the platform library itself lies; control libraries are built beside it.
std::string PlatformFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ExecutableFolder), &info) == 0 || !info.dli_fname) {
        return {};
    }
    return FolderOf(info.dli_fname);
}

// ProgIDs compare without regard to case, file names do not: find the file whose name matches.
std::string FindLibraryFile(const std::string& folder, std::string_view fileName) {
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error)) {
        return {};
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (base::EqualsNoCase(entry.path().filename().string(), fileName) &&
            entry.is_regular_file(error)) {
            return entry.path().string();
        }
    }
    return {};
}

win::HMODULE OpenLibrary(std::string_view name) {
    const std::string fileName = "lib" + std::string(name) + ".so";
    for (const std::string& folder : {ExecutableFolder(), PlatformFolder()}) {
        const std::string path = FindLibraryFile(folder, fileName);
        if (path.empty()) {
            continue;
        }
        if (const win::HMODULE module = win::LoadLibraryA(path.c_str())) {
            return module;
        }
    }
    return win::LoadLibraryA(fileName.c_str());
}

// "Rowbox" for ".../libRowbox.so"; `fallback` when the file name is not of that shape.
std::string NameFromFile(win::HMODULE module, std::string_view fallback) {
    std::string path(4096, '\0');
    const win::DWORD n =
        win::GetModuleFileNameA(module, path.data(), static_cast<win::DWORD>(path.size()));
    path.resize(n < path.size() ? n : 0);
    const std::string file = std::filesystem::path(path).filename().string();
    if (file.size() > 6 && file.starts_with("lib") && file.ends_with(".so") &&
        base::EqualsNoCase(std::string_view(file).substr(3, file.size() - 6), fallback)) {
        return file.substr(3, file.size() - 6);
    }
    return std::string(fallback);
}

[[noreturn]] void CannotLoad(std::string_view library) {
    ole::RaiseError(ole::ERR_INVALID_CLASS_STRING,
                    ole::RuntimeErrorText(ole::ERR_INVALID_CLASS_STRING) + ": no library \"" +
                        std::string(library) + "\" could be loaded");
}

// Its factories live in its code: they are withdrawn before the code goes.
void Unregister(win::HMODULE module) {
    if (const ServerExport unregisterServer = Export(module, "DllUnregisterServer")) {
        unregisterServer();
    }
}

// A platform reset closes every library after this step.
void ForgetLibraries() {
    for (const LoadedLibrary& library : Libraries()) {
        Unregister(library.module);
    }
    Libraries().clear();
}

[[maybe_unused]] const bool g_resetAdded = (win::test::AddResetStep(&ForgetLibraries), true);

} // namespace

std::string_view LibraryNameOf(std::string_view progId) {
    const size_t dot = progId.find('.');
    return dot == std::string_view::npos ? std::string_view{} : progId.substr(0, dot);
}

win::HMODULE ControlLibraries::Load(std::string_view libraryName) {
    if (const LoadedLibrary* loaded = FindLoaded(libraryName)) {
        return loaded->module;
    }
    if (libraryName.empty() || libraryName.find('/') != std::string_view::npos) {
        CannotLoad(libraryName);
    }
    const win::HMODULE module = OpenLibrary(libraryName);
    if (!module) {
        CannotLoad(libraryName);
    }
    const ServerExport registerServer = Export(module, "DllRegisterServer");
    if (registerServer == nullptr) {
        win::FreeLibrary(module);
        CannotLoad(libraryName);
    }
    // The file's own spelling names the component: "rowbox.kslistbox" still titles "Rowbox".
    const std::string name = NameFromFile(module, libraryName);
    App::Component(name, module);
    if (ole::Failed(registerServer())) {
        win::FreeLibrary(module);
        CannotLoad(libraryName);
    }
    Libraries().push_back(LoadedLibrary{name, module});
    return module;
}

ole::Ptr<ole::Object> ControlLibraries::CreateObject(std::string_view progId) {
    if (!ole::ClassRegistry::Find(progId)) {
        const std::string_view library = LibraryNameOf(progId);
        if (library.empty() || progId.size() == library.size() + 1) {
            ole::RaiseError(ole::ERR_INVALID_CLASS_STRING);
        }
        // The standard controls live in this library itself; anything else is loaded from disk.
        if (base::EqualsNoCase(library, "VB")) {
            RegisterStandardControls();
        } else {
            Load(library);
        }
    }
    return ole::ClassRegistry::Create(progId);
}

size_t ControlLibraries::FreeUnused() {
    size_t freed = 0;
    auto& libraries = Libraries();
    for (auto it = libraries.begin(); it != libraries.end();) {
        const ServerExport canUnload = Export(it->module, "DllCanUnloadNow");
        if (canUnload == nullptr || canUnload() != ole::S_OK) {
            ++it;
            continue;
        }
        Unregister(it->module);
        win::FreeLibrary(it->module);
        it = libraries.erase(it);
        ++freed;
    }
    return freed;
}

bool ControlLibraries::IsLoaded(std::string_view libraryName) {
    return FindLoaded(libraryName) != nullptr;
}

size_t ControlLibraries::LoadedCount() {
    return Libraries().size();
}

} // namespace forms
