#pragma once
// The arc-resolution dialog: a slider for the segments per quarter curve.
// Made anew on every showing; it closes itself on OK and on Cancel.
#include "platform/controls.h"
#include "platform/window.h"

class fin_resol : public platform::SingleWindow<fin_resol> {
public:
    fin_resol();

    platform::PushButton* PushButton1 = nullptr; // "OK"
    platform::PushButton* PushButton2 = nullptr; // "Cancel"
    platform::StaticText* StaticText1 = nullptr; // the value read-out
    platform::ImageWell* ImageWell1 = nullptr;
    platform::Slider* slideresol = nullptr;

    void slideresol_ValueChanged();
    void PushButton1_Action();
    void PushButton2_Action();

protected:
    void Event_Open() override;
    // Escape cancels.
    bool Event_KeyDown(const QString& key) override;
};
