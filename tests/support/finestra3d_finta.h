#pragma once
// A "Create 3D" window for the generator's tests: the texts of its fields
// and its option boxes as plain values, filled from the settings the way
// the window's refill fills its controls (its checks and refill after the
// generator has taken the values are the refill alone), and a record of the
// progress bar.
#include "gdl/finestra3d.h"

#include <QString>
#include <vector>

namespace testsupport {

class Finestra3dFinta final : public esportazione::finestra::Finestra3d {
public:
    // The fields' texts and the boxes from the settings, as the window's
    // refill writes them.
    void riempi();

    // The texts of the profile and path scale fields, of the two arc
    // resolution read-outs and of the revolution angle field.
    QString scalaProfiloTesto = QStringLiteral("1");
    QString scalaPercorsoTesto = QStringLiteral("1");
    QString risoluzioneProfiloTesto = QStringLiteral("8");
    QString risoluzionePercorsoTesto = QStringLiteral("8");
    QString angoloTesto = QStringLiteral("180");
    bool opzioni[4] = {true, false, false, false};

    // Every value the progress bar was set to, in order.
    std::vector<int> progressi;

    double scalaProfilo() override;
    double scalaPercorso() override;
    double risoluzioneProfilo() override;
    double risoluzionePercorso() override;
    double angoloRivoluzione() override;
    bool opzione(int i) override;
    void progresso(int valore, bool subito) override;
    void controllaEAggiorna() override;
};

} // namespace testsupport
