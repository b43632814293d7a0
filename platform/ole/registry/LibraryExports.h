#pragma once

#include "platform/ole/registry/LibraryServer.h"

// The four entry points a control library exports, each answered by its `LibraryServer`
// (`server` is an expression naming it). `busy` holds while objects a host kept still run the
// library's code, so the library must not be unloaded yet. A macro because each library's
// shared object needs its own unmangled definitions.
#define OLE_LIBRARY_EXPORTS(server, busy)                                                          \
    extern "C" {                                                                                   \
    __attribute__((visibility("default"))) ole::HRESULT DllRegisterServer() {                      \
        return (server).RegisterServer();                                                          \
    }                                                                                              \
    __attribute__((visibility("default"))) ole::HRESULT DllUnregisterServer() {                    \
        return (server).UnregisterServer();                                                        \
    }                                                                                              \
    __attribute__((visibility("default"))) ole::HRESULT DllCanUnloadNow() {                        \
        return (busy) ? ole::S_FALSE : (server).CanUnloadNow();                                    \
    }                                                                                              \
    __attribute__((visibility("default"))) ole::HRESULT                                            \
    DllGetClassObject(const ole::Guid& classId, const ole::Guid& iid,                              \
                      ole::Ptr<ole::Object>& factory) {                                            \
        return (server).GetClassObject(classId, iid, factory);                                     \
    }                                                                                              \
    }
