#pragma once

#include "platform/ole/object/Guid.h"
#include "platform/ole/object/Object.h"

#include <cstdint>
#include <string>

namespace ole {

inline const Guid IID_ICategorizeProperties =
    Guid::FromString("{4D07FC10-F931-11CE-B001-00AA006884E5}");

// Standard property categories; a caller maps them to names itself.
inline constexpr int32_t PROPCAT_Nil = -1;
inline constexpr int32_t PROPCAT_Misc = -2;
inline constexpr int32_t PROPCAT_Font = -3;
inline constexpr int32_t PROPCAT_Position = -4;
inline constexpr int32_t PROPCAT_Appearance = -5;
inline constexpr int32_t PROPCAT_Behavior = -6;
inline constexpr int32_t PROPCAT_Data = -7;
inline constexpr int32_t PROPCAT_List = -8;
inline constexpr int32_t PROPCAT_Text = -9;
inline constexpr int32_t PROPCAT_Scale = -10;
inline constexpr int32_t PROPCAT_DDE = -11;

// Optional on any object: groups its properties for a property browser. Both calls may fail with
// an automation error (or E_NOTIMPL as error); callers fall back to no categories. An object
// implementing it derives from it and answers its IID in QueryInterface.
class ICategorizeProperties {
public:
    virtual int32_t MapPropertyToCategory(DISPID memberId) = 0;
    virtual std::string GetCategoryName(int32_t category, uint32_t lcid) = 0;

protected:
    ~ICategorizeProperties() = default;
};

// The interface by IID, then by C++ type; null when the object offers neither.
ICategorizeProperties* QueryCategorizeProperties(Object& object);

} // namespace ole
