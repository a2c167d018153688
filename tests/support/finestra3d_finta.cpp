#include "support/finestra3d_finta.h"

#include "gdl/esportazione.h"
#include "platform/conversions.h"

namespace testsupport {

void Finestra3dFinta::riempi()
{
    using platform::Str15Digits;
    const esportazione::Dati3d& s = esportazione::daticreatred;
    risoluzioneProfiloTesto = Str15Digits(s[0]);
    risoluzionePercorsoTesto = Str15Digits(s[1]);
    scalaProfiloTesto = Str15Digits(s[2]);
    scalaPercorsoTesto = Str15Digits(s[4]);
    angoloTesto = Str15Digits(s[10]);
    for (int i = 0; i < 4; ++i)
        opzioni[i] = s[i + 6] == 2.0;
}

double Finestra3dFinta::scalaProfilo() { return platform::Val(scalaProfiloTesto); }
double Finestra3dFinta::scalaPercorso() { return platform::Val(scalaPercorsoTesto); }
double Finestra3dFinta::risoluzioneProfilo() { return platform::Val(risoluzioneProfiloTesto); }
double Finestra3dFinta::risoluzionePercorso() { return platform::Val(risoluzionePercorsoTesto); }
double Finestra3dFinta::angoloRivoluzione() { return platform::Val(angoloTesto); }

bool Finestra3dFinta::opzione(int i) { return i >= 0 && i < 4 && opzioni[i]; }

void Finestra3dFinta::progresso(int valore, bool) { progressi.push_back(valore); }

void Finestra3dFinta::controllaEAggiorna() { riempi(); }

} // namespace testsupport
