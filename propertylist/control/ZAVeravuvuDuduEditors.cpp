#include "propertylist/control/ZAVeravuvuDudu.h"

namespace attrgrid {

void ZAVeravuvuDudu::ConnectEditorEvents() {}

} // namespace attrgrid
