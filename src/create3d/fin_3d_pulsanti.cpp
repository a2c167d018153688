// The push buttons: open, edit, done, save and copy.
#include "create3d/fin_3d.h"

void fin_3d::bottone_s_o_Action() {}
void fin_3d::bottone_s_e_Action() {}
void fin_3d::bottone_p_o_Action() {}
void fin_3d::bottone_p_e_Action() {}
void fin_3d::PushButton1_Action() {}
void fin_3d::PushButton2_Action() {}
void fin_3d::PushButton3_Action() {}
