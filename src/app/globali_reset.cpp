#include "app/globali.h"

namespace Globali {

void azzeratutto() {}
void local_usa() { lingua = 1; }
void local_ita() { lingua = 2; }

} // namespace Globali
