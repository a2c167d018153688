#pragma once
// What the generator takes from the "Create 3D" window: the scale texts, the
// option boxes, the progress bar and the window's own checks and refill.
// Every use of the window by the generator goes through here; the window
// implements Finestra3d and registers it at start-up.

namespace esportazione::finestra {

class Finestra3d {
public:
    virtual ~Finestra3d() = default;
    // The texts of efdati3d(0) and (2) and of the arc resolution and
    // revolution angle fields.
    virtual double scalaProfilo() = 0;
    virtual double scalaPercorso() = 0;
    virtual double risoluzioneProfilo() = 0;
    virtual double risoluzionePercorso() = 0;
    virtual double angoloRivoluzione() = 0;
    virtual bool opzione(int i) = 0;
    virtual void progresso(int valore, bool subito) = 0;
    // The window checks its scale and angle fields, then refills every
    // control from the settings.
    virtual void controllaEAggiorna() = 0;
};

// The window the generator reads. Until one is registered a window with
// unit scales, no option and no progress bar stands in.
void registra(Finestra3d* f);

// The profile and path scale factors: the numbers in efdati3d(0) and (2).
double scalaProfilo();
double scalaPercorso();
// The value of CheckB(i): 0 "Solid", 1 "Structured", 2 "Closed".
bool opzione(int i);
// Sets the progress bar; with subito it is repainted at once when it moved.
void progresso(int valore, bool subito);
// Takes the arc resolutions and the revolution angle from the window into
// the settings, then has the window check its scale and angle fields and
// refill every control from the settings.
void prendiValori();

} // namespace esportazione::finestra
