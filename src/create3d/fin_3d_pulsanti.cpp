// The push buttons: a profile or path opened from a document, handed back to
// the editor, "Done", and the GDL text saved to a file or copied.
#include "create3d/fin_3d.h"

#include "app/app.h"
#include "app/filetypes.h"
#include "app/globali.h"
#include "app/lingue.h"
#include "editor/fin_forme.h"
#include "gdl/esportazione.h"
#include "model/documento.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/beep.h"
#include "platform/conversions.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/yield.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <new>
#include <string>

namespace {

// The folder where the user last saved a GDL text; empty until the first.
QString g_cartellaTestoGdl;

// Where "Save.." opens: where the last GDL text went, at first beside the
// current document (the working folder while it is untitled).
QString cartellaTestoGdl()
{
    if (!g_cartellaTestoGdl.isEmpty())
        return g_cartellaTestoGdl;
    if (!Globali::fileattuale.isEmpty())
        return QFileInfo(Globali::fileattuale).absolutePath();
    return QDir::currentPath();
}

// The drawing section of the document the user picks, checked as the
// document reader checks it. Nothing when the user cancelled; a file that
// cannot be read or fails the checks is refused with the beep and a message
// over the "Create 3D" window that names it and the reason. On success
// risoluzione holds line 1 as written (the slot keeps it unrounded).
std::optional<documento::Drawing> leggiSezioneDisegno(double& risoluzione)
{
    const QString path = platform::showOpenDialog(&fin_3d::instance(), FileTypes::pModanovafileModanovaform);
    if (path.isEmpty())
        return std::nullopt;
    documento::ReadError error;
    std::optional<documento::Drawing> drawing = documento::readDrawingSection(path, &error);
    if (!drawing) {
        platform::Beep();
        platform::showFileFailure(&fin_3d::instance(), lingue::erroreApertura(path, error));
        return std::nullopt;
    }
    risoluzione = drawing->risoluzioneScritta;
    return drawing;
}

// Fills a chain table from rows; a profile loses its heights. The table
// keeps one spare row past the last, as every chain table does.
void riempi(ElementTable& table, int& count, const std::vector<ElementRow>& rows, bool conAltezze)
{
    count = static_cast<int>(rows.size());
    table.redim(count);
    for (int r = 0; r < count; ++r) {
        ElementRow row = rows[static_cast<std::size_t>(r)];
        if (!conAltezze) {
            row[kZ0] = 0.0;
            row[kDZ] = 0.0;
        }
        table.row(r) = row;
        platform::yieldToEventLoop();
    }
    table.row(count) = ElementRow{};
}

std::vector<ElementRow> righeDi(const ElementTable& table, int count)
{
    std::vector<ElementRow> rows;
    for (int r = 0; r < count && table.hasRow(r); ++r)
        rows.push_back(table.row(r));
    return rows;
}

// A stored chain with what goes with it: the profile or the path.
struct Conservata {
    ElementTable& righe;
    int& conta;
    int& grx;
    int& gry;
    int slotRisoluzione;
    bool conAltezze; // a profile is kept flat, a path keeps its heights
};

Conservata profilo()
{
    return {esportazione::sagoma, esportazione::sago_q, esportazione::sago_grx, esportazione::sago_gry, 0, false};
}

Conservata percorso()
{
    return {esportazione::percorso, esportazione::perc_q, esportazione::perc_grx, esportazione::perc_gry, 1, true};
}

// A chain of the document with its grid (and, for a stored one, its arc
// resolution), to tell whether a command changed it: the document is then
// marked modified.
struct Impronta {
    std::vector<ElementRow> righe;
    int grx, gry;
    double risoluzione;
    bool operator==(const Impronta&) const = default;
};

Impronta improntaDi(const Conservata& c)
{
    return {righeDi(c.righe, c.conta), c.grx, c.gry, esportazione::daticreatred[c.slotRisoluzione]};
}

Impronta improntaEditor() { return {righeDi(Forme::polilinea, Forme::poli_q), Geometria::grx, Geometria::gry, 0.0}; }

void segnaSeCambiata(const Impronta& prima, const Impronta& dopo)
{
    if (!(prima == dopo))
        Globali::setModificato(true);
}

// Replaces the stored chain by the drawing section of a document the user
// picks. False when nothing was opened (cancelled or refused).
bool apri(const Conservata& c)
{
    double risoluzione = 0.0;
    const std::optional<documento::Drawing> drawing = leggiSezioneDisegno(risoluzione);
    if (!drawing)
        return false;
    const Impronta prima = improntaDi(c);
    esportazione::daticreatred[c.slotRisoluzione] = risoluzione;
    c.grx = drawing->chain.grx;
    c.gry = drawing->chain.gry;
    riempi(c.righe, c.conta, drawing->chain.rows, c.conAltezze);
    segnaSeCambiata(prima, improntaDi(c));
    return true;
}

// The stored chain becomes the editor's chain, with its grid.
void inEditor(const Conservata& c)
{
    const Impronta prima = improntaEditor();
    riempi(Forme::polilinea, Forme::poli_q, righeDi(c.righe, c.conta), c.conAltezze);
    Forme::poli_d = 0;
    Geometria::grx = c.grx;
    Geometria::gry = c.gry;
    segnaSeCambiata(prima, improntaEditor());

    // Edit mode holds only while the chain has elements; poli_d 0 is then a
    // valid selection, and an empty chain leaves edit mode quietly.
    Forme::adegua_modo();
}

} // namespace

void fin_3d::bottone_s_o_Action()
{
    if (!apri(profilo()))
        return;
    disegnasagoma();
    disegnapercorso();
    aggiornadati();
}

void fin_3d::bottone_p_o_Action()
{
    if (!apri(percorso()))
        return;
    disegnasagoma();
    disegnapercorso();
    aggiornadati();
}

// Handing a stored chain to the editor discards the drawn one, so unsaved
// changes are offered for saving first; Cancel (or a failed save) keeps
// everything as it was.
void fin_3d::bottone_s_e_Action()
{
    if (!App::salvaModifiche())
        return;
    inEditor(profilo());
    ritorna();
}

void fin_3d::bottone_p_e_Action()
{
    if (!App::salvaModifiche())
        return;
    inEditor(percorso());
    ritorna();
}

void fin_3d::PushButton1_Action() { ritorna(); }

namespace {

// Runs a command that makes the whole GDL text. A text that outgrows the
// memory there is ends the command, not the program: what was made of it
// is let go, the progress bar falls back, and the failure beeps. The
// writers leave the stored chains as they found them.
void conTesto(fin_3d& w, const std::function<void()>& comando)
{
    try {
        comando();
    } catch (const std::bad_alloc&) {
        std::string().swap(esportazione::esportastringa);
        w.ProgressBar1->setValue(0);
        platform::Beep();
    }
}

} // namespace

// The text goes to a temporary file that then replaces the chosen one, so an
// existing file is lost only once the new text is safely written. A text
// that cannot be written beeps and says why in a message box; one that
// would hold a number that overflowed beeps: nothing is written then.
void fin_3d::PushButton2_Action()
{
    const QString path = platform::showSaveDialog(this, FileTypes::pText, QStringLiteral("testogdl"),
                                                  cartellaTestoGdl());
    if (path.isEmpty())
        return;
    g_cartellaTestoGdl = QFileInfo(path).absolutePath();
    conTesto(*this, [&] {
        esportazione::creazione();
        if (!esportazione::testo_finito()) {
            platform::Beep();
            return;
        }
        // The text, then the line end that writing it as one line adds; the
        // text goes out as it stands, without a copy.
        platform::AtomicFile file(path);
        if (!(file.write(esportazione::esportastringa) && file.write("\n") && file.commit())) {
            platform::Beep();
            platform::showFileFailure(this, lingue::erroreSalvataggio(path, file.error()));
        }
    });
}

// A text that would hold a number that overflowed beeps and leaves the
// clipboard as it was.
void fin_3d::PushButton3_Action()
{
    conTesto(*this, [] {
        esportazione::creazione();
        if (!esportazione::testo_finito()) {
            platform::Beep();
            return;
        }
        platform::setClipboardText(QString::fromStdString(esportazione::esportastringa));
    });
}
