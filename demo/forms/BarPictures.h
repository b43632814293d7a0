#pragma once

#include "platform/ole/object/Ptr.h"
#include "platform/ole/picture/Picture.h"

namespace sampledesk {

// Resource ids of the bars' button pictures: the menu toolbar's four from the first, the
// toolbox's ten from the second, in button order.
inline constexpr int kMenuToolbarPictures = 101;
inline constexpr int kToolBoxPictures = 201;
// Each picture is a square of this many pixels.
inline constexpr int kBarPictureSize = 16;

// A 24-bit bitmap picture (Type 1) of that resource id, drawn on its bar's mask colour; null for
// an id that names none.
ole::Ptr<ole::Picture> BarPicture(int resourceId);

} // namespace sampledesk
