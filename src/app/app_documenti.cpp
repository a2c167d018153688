// Saving and opening documents, and the question about unsaved changes.
#include "app/app.h"
#include "app/filetypes.h"
#include "app/globali.h"
#include "app/lingue.h"
#include "create3d/fin_3d.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "model/documento.h"
#include "platform/beep.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace {

platform::SaveQuestionTexts questionTexts()
{
    platform::SaveQuestionTexts t;
    const QString name = Globali::fileattuale.isEmpty() ? QString() : platform::fileName(Globali::fileattuale);
    if (Globali::lingua == 2) {
        t.question = name.isEmpty() ? QStringLiteral("Registrare le modifiche al documento?")
                                    : QStringLiteral("Registrare le modifiche a \"%1\"?").arg(name);
        t.save = QStringLiteral("Salva");
        t.dontSave = QStringLiteral("Non salvare");
        t.cancel = QStringLiteral("Annulla");
    } else {
        t.question = name.isEmpty() ? QStringLiteral("Save the changes to the document?")
                                    : QStringLiteral("Save the changes to \"%1\"?").arg(name);
        t.save = QStringLiteral("Save");
        t.dontSave = QStringLiteral("Don't Save");
        t.cancel = QStringLiteral("Cancel");
    }
    return t;
}

// The window a file command runs from: the "Create 3D" window while it
// stands in for the main window, else the main window.
QWidget* finestraDelComando()
{
    if (fin_3d::exists() && fin_3d::instance().isVisible())
        return &fin_3d::instance();
    return &fin_principale::instance();
}

// The save dialog with the document type; true when a file was chosen and
// written.
bool salvaConNome()
{
    const QString proposed = Globali::fileattuale.isEmpty() ? QStringLiteral("file.mdn")
                                                            : platform::fileName(Globali::fileattuale);
    const QString path = platform::showSaveDialog(finestraDelComando(), FileTypes::pModanovafileModanovaform, proposed);
    if (path.isEmpty())
        return false;
    return App::filesalva(path);
}

} // namespace

namespace App {

bool filesalva(const QString& path)
{
    platform::FileError error;
    if (!documento::writeDocument(path, documento::currentView(), &error)) {
        platform::Beep();
        platform::showFileFailure(finestraDelComando(), lingue::erroreSalvataggio(path, error));
        return false;
    }
    Globali::setFileAttuale(path);
    Globali::setModificato(false);
    return true;
}

bool salvaModifiche()
{
    if (!Globali::filemodificato)
        return true;
    switch (platform::askSaveChanges(finestraDelComando(), questionTexts())) {
    case platform::SaveAnswer::Save:
        if (Globali::fileattuale.isEmpty())
            return salvaConNome();
        return filesalva(Globali::fileattuale);
    case platform::SaveAnswer::DontSave: return true;
    case platform::SaveAnswer::Cancel: break;
    }
    return false;
}

bool FileSave_Action()
{
    if (Globali::fileattuale.isEmpty())
        platform::Beep();
    else
        filesalva(Globali::fileattuale);
    return false;
}

bool FileSaveas_Action()
{
    salvaConNome();
    return false;
}

bool FileOpen_Action()
{
    if (!salvaModifiche())
        return false;
    Globali::apri_file(platform::showOpenDialog(finestraDelComando(), FileTypes::pModanovafileModanovaform));
    return false;
}

void Event_OpenDocument(const QString& path)
{
    if (path.isEmpty() || !salvaModifiche())
        return;
    Globali::apri_file(path);
}

QStringList apriDocumenti(const QStringList& paths)
{
    QStringList rifiutati;
    for (const QString& path : paths) {
        if (path.isEmpty() || !salvaModifiche())
            continue;
        const QString messaggio = Globali::apri_file_in_silenzio(path);
        if (!messaggio.isEmpty()) {
            platform::Beep();
            rifiutati << messaggio;
        }
    }
    return rifiutati;
}

void avvisaRifiutati(const QStringList& messaggi)
{
    if (messaggi.isEmpty())
        return;
    // The beeps sounded as each was refused; the box lists them all.
    platform::showFileFailure(finestraDelComando(), lingue::erroriApertura(messaggi));
}

} // namespace App

namespace Globali {

bool apri_file(const QString& path)
{
    const QString messaggio = apri_file_in_silenzio(path);
    if (messaggio.isEmpty())
        return !path.isEmpty();
    platform::Beep();
    platform::showFileFailure(finestraDelComando(), messaggio);
    return false;
}

QString apri_file_in_silenzio(const QString& path)
{
    if (path.isEmpty())
        return QString();
    documento::ReadError error;
    std::optional<documento::Document> document = documento::readDocument(path, &error);
    if (!document)
        return lingue::erroreApertura(path, error);
    // The document read, a visit to "Create 3D" ends as "Done" ends it, and
    // only then does the document take the place of the one the window
    // showed. A document refused leaves the visit as it was.
    if (fin_3d::exists())
        fin_3d::instance().concludiVisita();
    documento::applyDocument(std::move(*document));
    setFileAttuale(path);
    setModificato(false);
    // Fits the view to the drawing and rebuilds the backdrop.
    fin_forme::instance().zooma(3);
    fin_principale::instance().mostra_corrente();
    return QString();
}

} // namespace Globali
