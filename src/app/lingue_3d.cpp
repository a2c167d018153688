// Where the "Create 3D" window's texts go.
#include "app/lingue.h"

#include "create3d/fin_3d.h"

namespace lingue {

namespace {

template <class Control> bool scrivi(Control* control, const QString& text)
{
    if (control)
        control->setText(text);
    return true;
}

} // namespace

bool scrivi3d(Bersaglio bersaglio, const QString& text)
{
    using B = Bersaglio;
    switch (bersaglio) {
    case B::FileMenu:
    case B::FileNew:
    case B::FileOpen:
    case B::FileSave:
    case B::FileSaveas:
    case B::FileCreate3D:
    case B::FileQuit:
    case B::EditUndo:
    case B::EditCut:
    case B::EditCopy:
    case B::EditPaste:
    case B::EditClear:
    case B::TipoDocumento:
    case B::TipoTesto: return false;
    default: break;
    }
    fin_3d& w = fin_3d::instance();
    switch (bersaglio) {
    case B::Fin3d: w.setTitle(text); return true;
    case B::StaticText1: return scrivi(w.StaticText1, text);
    case B::StaticText2: return scrivi(w.StaticText2, text);
    case B::StaticT1: return scrivi(w.StaticT1, text);
    case B::StaticT2: return scrivi(w.StaticT2, text);
    case B::StaticText5: return scrivi(w.StaticText5, text);
    case B::StaticText6: return scrivi(w.StaticText6, text);
    case B::StaticText3: return scrivi(w.StaticText3, text);
    case B::StaticText17: return scrivi(w.StaticText17, text);
    case B::bottone_s_o: return scrivi(w.bottone_s_o, text);
    case B::bottone_s_e: return scrivi(w.bottone_s_e, text);
    case B::bottone_p_o: return scrivi(w.bottone_p_o, text);
    case B::bottone_p_e: return scrivi(w.bottone_p_e, text);
    case B::CheckB0: return scrivi(w.CheckB(0), text);
    case B::CheckB1: return scrivi(w.CheckB(1), text);
    case B::CheckB2: return scrivi(w.CheckB(2), text);
    case B::CheckB3: return scrivi(w.CheckB(3), text);
    case B::PushButton2: return scrivi(w.PushButton2, text);
    case B::PushButton3: return scrivi(w.PushButton3, text);
    case B::PushButton1: return scrivi(w.PushButton1, text);
    default: return false;
    }
}

} // namespace lingue
