#include "propertylist/control/ZAVeravuvuDudu.h"

namespace attrgrid {

void ZAVeravuvuDudu::ConnectHeaderEvents() {}

} // namespace attrgrid
