#include "propertylist/control/ZAVeravuvuDudu.h"

namespace attrgrid {

void ZAVeravuvuDudu::ConnectInputEvents() {}

} // namespace attrgrid
