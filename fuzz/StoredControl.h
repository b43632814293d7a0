#pragma once

// A suite control read from stored bag bytes, as a container loads it: the control reads what it
// can, reports what it refuses as run-time errors, and its teardown leaves nothing behind. Each
// call starts and ends on a reset platform.

#include "platform/forms/test/TestHost.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/test/TestApi.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fuzz {

// Hosts a new `progId` control (registered by `registerClass`) from `data`; bytes that are no bag
// are refused before anything is made.
inline void HostStoredControl(const char* progId, void (*registerClass)(), const win::RECT& bounds,
                              const uint8_t* data, size_t size) {
    ole::Ptr<ole::PropertyBag> stored;
    try {
        stored = ole::PropertyBag::FromBytes({data, size});
    } catch (const ole::Error&) {
        return;
    }
    win::test::resetPlatform();
    registerClass();
    try {
        forms::test::TestHost host;
        const auto control = ole::PtrCast<forms::UserControl>(ole::ClassRegistry::Create(progId));
        host.Host(control, "Control1", bounds, stored.Get());
        win::test::pump();
    } catch (const ole::Error&) {
    }
    (void)ole::TakeReportedErrors();
    win::test::resetPlatform();
}

// The bytes a new `progId` control saves, then those it saves after each change.
inline std::vector<std::vector<uint8_t>>
SavedControls(const char* progId, void (*registerClass)(), const win::RECT& bounds,
              const std::vector<std::function<void(ole::Object&)>>& changes) {
    win::test::resetPlatform();
    registerClass();
    std::vector<std::vector<uint8_t>> seeds;
    {
        forms::test::TestHost host;
        const auto control = ole::PtrCast<forms::UserControl>(ole::ClassRegistry::Create(progId));
        const auto site = host.Host(control, "Control1", bounds);
        seeds.push_back(forms::test::TestHost::Save(*site)->ToBytes());
        for (const auto& change : changes) {
            change(*control);
            seeds.push_back(forms::test::TestHost::Save(*site)->ToBytes());
        }
    }
    win::test::resetPlatform();
    return seeds;
}

} // namespace fuzz
