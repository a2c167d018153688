// Linked against the model and generator library alone, every object file of
// it included: a call from the model or the generator into a window would
// leave an undefined symbol, and this program would not link.
#include "model/geometria.h"

int main()
{
    const double d = Geometria::distanza_2punti(0.0, 0.0, 3.0, 4.0);
    return d == 5.0 ? 0 : 1;
}
