#pragma once

#include "platform/ole/dispatch/ClassInfo.h"

namespace ole {

// The type-information service, created through the class registry by CLSID_TypeInfoService.
class TypeInfoService : public Object {
public:
    // The description of `object`'s default interface, or Nothing.
    Ptr<Object> InterfaceInfoFromObject(Ptr<Object> object) const;
    // A registered library by identity; Nothing when it is not registered.
    Ptr<Object> TypeLibInfoFromRegistry(std::string libraryId, int16_t major, int16_t minor,
                                        int32_t lcid) const;

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

    // Registers the service class (idempotent); the platform calls it on first use of the registry.
    static void RegisterClass();
};

inline constexpr const char* CLSID_TypeInfoService = "{8B21775E-717D-11CE-AB5B-D41203C10000}";

} // namespace ole
