#include "platform/win/kernel/Modules.h"
#include "platform/base/Utf8.h"

#include "platform/base/TextCase.h"

#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <map>
#include <string>
#include <unistd.h>

namespace win {

namespace {

struct LoadedModule {
    std::string path;
    void* library = nullptr; // null for the built-in msimg32
    int references = 0;
};

struct ModuleTable {
    std::map<uint32_t, LoadedModule> modules;
    bool msimg32Available = true;
};

ModuleTable& Table() {
    thread_local ModuleTable table;
    return table;
}

constexpr std::string_view kMsimg32 = "msimg32.dll";

std::string ExecutablePath() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

std::string LibraryPath(void* library) {
    link_map* map = nullptr;
    if (dlinfo(library, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) {
        return {};
    }
    return map->l_name;
}

// "Name.dll" or "Name.ocx" names the suite's library libName.so.
std::string SharedObjectName(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.find('/') != std::string_view::npos) {
        return std::string(name);
    }
    const std::string_view extension = name.substr(dot);
    if (!base::EqualsNoCase(extension, ".dll") && !base::EqualsNoCase(extension, ".ocx")) {
        return std::string(name);
    }
    return "lib" + std::string(name.substr(0, dot)) + ".so";
}

HMODULE FindLoaded(std::string_view path, void* library) {
    for (auto& [value, module] : Table().modules) {
        if (module.library == library && base::EqualsNoCase(module.path, path)) {
            ++module.references;
            return HMODULE::FromValue(value);
        }
    }
    return nullptr;
}

} // namespace

DWORD GetModuleFileNameA(HMODULE hModule, LPSTR buf, DWORD nSize) {
    std::string path;
    if (!hModule) {
        path = ExecutablePath();
    } else if (const auto it = Table().modules.find(hModule.Value()); it != Table().modules.end()) {
        path = it->second.path;
    }
    if (path.empty() || buf == nullptr || nSize == 0) {
        return 0;
    }
    const size_t copied = base::CopyUtf8ToBuffer(path, buf, nSize);
    return copied < path.size() ? nSize : static_cast<DWORD>(copied);
}

HMODULE LoadLibraryA(LPCSTR name) {
    if (name == nullptr || *name == '\0') {
        return nullptr;
    }
    ModuleTable& table = Table();
    if (base::EqualsNoCase(name, kMsimg32)) {
        if (!table.msimg32Available) {
            return nullptr;
        }
        if (HMODULE loaded = FindLoaded(kMsimg32, nullptr)) {
            return loaded;
        }
        const HMODULE module = HMODULE::New();
        table.modules[module.Value()] = LoadedModule{std::string(kMsimg32), nullptr, 1};
        return module;
    }
    void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        library = dlopen(SharedObjectName(name).c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (library == nullptr) {
        return nullptr;
    }
    const std::string path = LibraryPath(library);
    if (HMODULE loaded = FindLoaded(path, library)) {
        dlclose(library); // the table already holds one dlopen reference
        return loaded;
    }
    const HMODULE module = HMODULE::New();
    table.modules[module.Value()] = LoadedModule{path, library, 1};
    return module;
}

BOOL FreeLibrary(HMODULE hModule) {
    auto& modules = Table().modules;
    const auto it = modules.find(hModule.Value());
    if (!hModule || it == modules.end()) {
        return FALSE;
    }
    if (--it->second.references == 0) {
        if (it->second.library != nullptr) {
            dlclose(it->second.library);
        }
        modules.erase(it);
    }
    return TRUE;
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR procName) {
    const auto& modules = Table().modules;
    const auto it = modules.find(hModule.Value());
    if (!hModule || procName == nullptr || it == modules.end() || it->second.library == nullptr) {
        return nullptr;
    }
    void* symbol = dlsym(it->second.library, procName);
    return reinterpret_cast<FARPROC>(symbol);
}

namespace detail {

void SetMsimg32Available(bool available) {
    Table().msimg32Available = available;
}

bool Msimg32Available() {
    return Table().msimg32Available;
}

size_t LoadedLibraryCount() {
    return Table().modules.size();
}

void UnloadAllLibraries() {
    for (auto& [value, module] : Table().modules) {
        if (module.library != nullptr) {
            dlclose(module.library);
        }
    }
    Table() = ModuleTable{};
}

} // namespace detail

} // namespace win
