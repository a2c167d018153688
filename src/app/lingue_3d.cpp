#include "app/lingue.h"

namespace lingue {

void applica3d(bool italiano) { Q_UNUSED(italiano); }

} // namespace lingue
