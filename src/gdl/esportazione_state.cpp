#include "gdl/esportazione.h"

namespace esportazione {

ElementTable sagoma;
int sago_q = 0;
int sago_grx = 0, sago_gry = 0;
ElementTable percorso;
int perc_q = 0;
int perc_grx = 0, perc_gry = 0;
double daticreatred[kDatiCount] = {};
int profopath = 0;
std::string esportastringa;
int risolufinta = 0;
int qualetestocontrol = 0;
double lastx = 0.0, lasty = 0.0, lastz = 0.0;
bool nonsaltaultimo = false;
bool masaltaprimo = false;
int punti_saltati = 0;

} // namespace esportazione
