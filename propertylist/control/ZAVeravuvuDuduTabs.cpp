#include "propertylist/control/ZAVeravuvuDudu.h"

namespace attrgrid {

void ZAVeravuvuDudu::ConnectPaneEvents() {}

} // namespace attrgrid
