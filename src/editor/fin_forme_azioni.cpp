// The palette's handlers and its view and chain commands (to be filled in).
#include "editor/fin_forme.h"

void fin_forme::bot_forma_Action(int) {}
void fin_forme::bot_sel_Action() {}
void fin_forme::bot_can_Action() {}
void fin_forme::bot_sagoma_Action() {}
void fin_forme::bot_percorso_Action() {}
void fin_forme::bot_3d_Action() {}
void fin_forme::bot_move_Action(int) {}
void fin_forme::bot_zoom_Action(int) {}
void fin_forme::bot_setup_Action(int) {}
void fin_forme::zooma(int) {}
void fin_forme::specchia(int, int) {}
void fin_forme::ruota(int) {}
