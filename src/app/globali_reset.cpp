#include "app/globali.h"

namespace Globali {

void azzeratutto() {}

} // namespace Globali
