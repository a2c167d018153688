#include "gdl/esportazione.h"

namespace esportazione {

ElementTable sagoma;
int sago_q = 0;
int sago_grx = 0, sago_gry = 0;
ElementTable percorso;
int perc_q = 0;
int perc_grx = 0, perc_gry = 0;
Dati3d daticreatred = {};
int profopath = 0;
std::string esportastringa;

Catena catena_sagoma() { return Catena{sagoma, sago_q}; }
Catena catena_percorso() { return Catena{percorso, perc_q}; }

} // namespace esportazione
