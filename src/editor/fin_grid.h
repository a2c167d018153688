#pragma once
// The grid dialog: snapping, visibility and the two spacings in mm. Made
// anew on every showing; it closes itself on OK and on Cancel.
#include "editor/EditFieldIntero.h"
#include "platform/controls.h"
#include "platform/window.h"

class fin_grid : public platform::SingleWindow<fin_grid> {
public:
    fin_grid();

    platform::CheckBox* chk_gr_onoff = nullptr;
    platform::CheckBox* chk_gr_vis = nullptr;
    EditFieldIntero* efgrx = nullptr;
    EditFieldIntero* efgry = nullptr;
    platform::PushButton* PushButton1 = nullptr; // "OK"
    platform::PushButton* PushButton2 = nullptr; // "Cancel"
    platform::StaticText* StaticText1 = nullptr;
    platform::StaticText* StaticText2 = nullptr;
    platform::ImageWell* ImageWell1 = nullptr;

    void PushButton1_Action();
    void PushButton2_Action();

    // The spacing a field's text stands for: its number made positive and
    // whole, no larger than the largest spacing a document can hold
    // (documento::kMaxGrid).
    static int passo(const QString& text);

protected:
    void Event_Open() override;
    // Escape cancels.
    bool Event_KeyDown(const QString& key) override;
};
