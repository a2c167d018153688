// The messages of a failed save or open, in the two languages.
#include "app/lingue.h"

#include "app/globali.h"
#include "model/documento.h"
#include "platform/file_error.h"
#include "platform/line_reader.h"

#include <QDir>
#include <QStringList>

#include <cerrno>

namespace lingue {

namespace {

bool italiano() { return Globali::lingua == 2; }

QString tr(const char* english, const char* italian) { return QString::fromUtf8(italiano() ? italian : english); }

QString nominato(const QString& path) { return QDir::toNativeSeparators(path); }

QString sistema(const platform::FileError& e) { return platform::systemErrorText(e.code); }

// What a refused file is, when the fault lies with the file itself.
QString motivoFile(const platform::FileError& e)
{
    using K = platform::FileError::Kind;
    switch (e.kind) {
    case K::Missing: return tr("The file does not exist.", "Il file non esiste.");
    case K::NotRegular:
        return e.folder ? tr("It is a folder, not a file.", "È una cartella, non un file.")
                        : tr("It is not a regular file (it is a pipe, a device or the like).",
                             "Non è un file normale (è una pipe, un dispositivo o simile).");
    case K::TooLarge:
        return tr("It is larger than %1 MB.", "È più grande di %1 MB.").arg(platform::kMaxReadBytes / (1024 * 1024));
    case K::Unreadable:
    case K::NoPermission:
        if (e.code == EACCES || e.code == EPERM)
            return tr("There is no permission to read it.", "Non si ha il permesso di leggerlo.");
        return tr("The file cannot be read: %1.", "Il file non può essere letto: %1.").arg(sistema(e));
    default: return tr("The system reported: %1.", "Il sistema ha segnalato: %1.").arg(sistema(e));
    }
}

QString atteso(documento::Attesa a)
{
    using A = documento::Attesa;
    switch (a) {
    case A::Resolution:
        return tr("the arc resolution, a whole number from 1 to 1024",
                  "la risoluzione degli archi, un numero intero da 1 a 1024");
    case A::Grid:
        return tr("a grid spacing, a whole number from 0 to 100000",
                  "un passo della griglia, un numero intero da 0 a 100000");
    case A::Count:
        return tr("the number of elements less one, a whole number from -1 up to what the rest of the file holds",
                  "il numero degli elementi meno uno, un numero intero da -1 fino a quanti ne contiene il resto "
                  "del file");
    case A::Value: return tr("a value of an element, a decimal number", "un valore di un elemento, un numero decimale");
    case A::Setting: return tr("a 3-D setting, a decimal number", "un'impostazione 3D, un numero decimale");
    }
    return QString();
}

} // namespace

QString erroreSalvataggio(const QString& path, const platform::FileError& e)
{
    using K = platform::FileError::Kind;
    QString motivo;
    switch (e.kind) {
    case K::DiskFull: motivo = tr("The disk or the file system is full.", "Il disco o il file system è pieno."); break;
    case K::SizeLimit:
        motivo = tr("The file would be larger than the system allows.",
                    "Il file supererebbe la dimensione massima che il sistema consente.");
        break;
    case K::NoPermission:
        motivo = tr("There is no permission to write in that folder.",
                    "Non si ha il permesso di scrivere in quella cartella.");
        break;
    case K::Unreplaceable:
        motivo = tr("The file itself cannot be replaced: it is locked or protected against changes.",
                    "Il file stesso non può essere sostituito: è bloccato o protetto dalle modifiche.");
        break;
    case K::NoFolder: motivo = tr("The folder does not exist.", "La cartella non esiste."); break;
    case K::BadName: motivo = tr("The name is not allowed.", "Il nome non è consentito."); break;
    default: motivo = tr("The system reported: %1.", "Il sistema ha segnalato: %1.").arg(sistema(e)); break;
    }
    return tr("\"%1\" could not be saved.", "Impossibile registrare \"%1\".").arg(nominato(path))
           + QStringLiteral("\n\n") + motivo;
}

QString erroreApertura(const QString& path, const documento::ReadError& e)
{
    QString motivo;
    if (e.file)
        motivo = motivoFile(e.file);
    else if (e.notDocument())
        motivo = tr("It is not a Modanova document.", "Non è un documento Modanova.");
    else if (e.ended)
        motivo = tr("It is damaged: it ends before line %1, which should hold %2.",
                    "È danneggiato: finisce prima della riga %1, che dovrebbe contenere %2.")
                     .arg(e.line)
                     .arg(atteso(e.expected));
    else
        motivo = tr("It is damaged: line %1 should hold %2.", "È danneggiato: la riga %1 dovrebbe contenere %2.")
                     .arg(e.line)
                     .arg(atteso(e.expected));
    return tr("\"%1\" could not be opened.", "Impossibile aprire \"%1\".").arg(nominato(path)) + QStringLiteral("\n\n")
           + motivo;
}

QString erroriApertura(const QStringList& messaggi)
{
    if (messaggi.size() == 1)
        return messaggi.first();
    return tr("%1 documents could not be opened:", "Impossibile aprire %1 documenti:").arg(messaggi.size())
           + QStringLiteral("\n\n") + messaggi.join(QStringLiteral("\n\n"));
}

} // namespace lingue
