#pragma once

#include "platform/win/gdi/detail/GdiObject.h"
#include "platform/win/gdi/raster/Region.h"

namespace win::gdi {

// The object behind an HRGN.
class RegionObject final : public GdiObject {
public:
    explicit RegionObject(Region region)
        : GdiObject(GdiObjectKind::Region), m_region(std::move(region)) {}

    const Region& Get() const { return m_region; }
    Region& Get() { return m_region; }

private:
    Region m_region;
};

// The region behind hrgn, or null.
const Region* LookupRegion(HRGN hrgn);

} // namespace win::gdi
