// The settings controls: solid choice, sliders, option boxes, number fields.
#include "create3d/fin_3d.h"

void fin_3d::bot_exp_Action(int) {}
void fin_3d::slcrea3d_ValueChanged(int) {}
void fin_3d::efdati3d_LostFocus(int) {}
void fin_3d::CheckB_Action(int) {}
void fin_3d::efdatialfa3d_LostFocus(int) {}
void fin_3d::efdelta3d_LostFocus(int) {}
void fin_3d::contr_scala() {}
void fin_3d::contr_angoli() {}
void fin_3d::arcorivo(int) {}
