#include "platform/dialogs.h"

#include "platform/focus_return.h"
#include "platform/locale_file_model.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace platform {

namespace {

DialogAnswers g_answers;
// The document dialogs open where the user last chose a document.
QString g_lastFolder;

// Wide enough for the list's four columns (name, size, type, date) beside
// the places, within the screen the dialog opens on.
constexpr QSize kDialogSize(900, 520);

// The type's extensions, each with its point: ".mdn".
QStringList extensionsOf(const FileType& type)
{
    QStringList out;
    for (const QString& ext : type.extensions.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        out << ext.trimmed();
    return out;
}

QString filterFor(const FileType& type)
{
    const QStringList extensions = extensionsOf(type);
    if (extensions.isEmpty())
        return QStringLiteral("%1 (*)").arg(type.name);
    QStringList patterns;
    for (const QString& ext : extensions)
        patterns << QStringLiteral("*") + ext;
    return QStringLiteral("%1 (%2)").arg(type.name, patterns.join(QLatin1Char(' ')));
}

// Qt's file dialog with its list in the default locale, at a size that
// shows the list's columns. Qt gives the size, type and date columns fixed
// widths narrower than an Italian date or a type such as "plain text
// document"; they take the width of what they show each time a folder's
// files arrive.
void prepara(QFileDialog& dialog)
{
    auto* model = new LocaleFileModel(&dialog);
    dialog.setProxyModel(model);
    if (auto* list = dialog.findChild<QTreeView*>()) {
        const auto fit = [list] {
            for (int column = 1; column < list->header()->count(); ++column)
                list->resizeColumnToContents(column);
        };
        // The files may be there already (the list then starts anew with
        // them) or arrive later, a few at a time.
        QObject::connect(model, &QAbstractItemModel::rowsInserted, list, fit, Qt::QueuedConnection);
        QObject::connect(model, &QAbstractItemModel::modelReset, list, fit, Qt::QueuedConnection);
        QObject::connect(model, &QAbstractItemModel::layoutChanged, list, fit, Qt::QueuedConnection);
        QTimer::singleShot(0, list, fit);
    }
    QSize size = kDialogSize.expandedTo(dialog.sizeHint());
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableSize());
    dialog.resize(size);
}

// The window a dialog opens over: the command's, else the active one.
QWidget* sopra(QWidget* over) { return over ? over->window() : QApplication::activeWindow(); }

// Places a dialog centred over its parent window, within the parent's
// screen. Qt's own placement guesses the frame from the other windows and,
// finding none (no window manager), takes 40 pixels for the title bar, which
// puts the dialog that much too high. The dialog is taken to get the frame
// its parent has.
void centra(QWidget& dialog)
{
    const QWidget* parent = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    if (!parent || !parent->isVisible())
        return;
    const QRect fuori = parent->frameGeometry();
    const QRect dentro = parent->geometry();
    const QMargins cornice(dentro.left() - fuori.left(), dentro.top() - fuori.top(), fuori.right() - dentro.right(),
                           fuori.bottom() - dentro.bottom());
    QRect r(QPoint(), dialog.size().grownBy(cornice));
    r.moveCenter(fuori.center());
    if (const QScreen* screen = parent->screen()) {
        const QRect schermo = screen->availableGeometry();
        r.moveLeft(std::max(schermo.left(), std::min(r.left(), schermo.right() + 1 - r.width())));
        r.moveTop(std::max(schermo.top(), std::min(r.top(), schermo.bottom() + 1 - r.height())));
    }
    dialog.setGeometry(QRect(r.topLeft() + QPoint(cornice.left(), cornice.top()), dialog.size()));
}

// A Qt dialog placed by centra once it has its size, as it is shown (the
// show event comes before the window is mapped, so it never shows elsewhere).
template <class Dialog> class Centrato : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override
    {
        Dialog::showEvent(event);
        if (!event->spontaneous())
            centra(*this);
    }
};

// Runs a modal dialog, then gives the keyboard back to where it was.
int esegui(QDialog& dialog)
{
    FocusReturn back(dialog.parentWidget());
    return dialog.exec();
}

// The one path the dialog gives, or an empty string when it was cancelled.
QString scelto(QFileDialog& dialog)
{
    if (esegui(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

QString showOpenDialog(QWidget* over, const FileType& type)
{
    over = sopra(over);
    QString chosen;
    if (g_answers.open) {
        chosen = g_answers.open(type, over);
    } else {
        Centrato<QFileDialog> dialog(over, QString(), g_lastFolder, filterFor(type));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        prepara(dialog);
        chosen = scelto(dialog);
    }
    if (!chosen.isEmpty())
        g_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString showSaveDialog(QWidget* over, const FileType& type, const QString& defaultName, const QString& startFolder)
{
    over = sopra(over);
    const bool documento = startFolder.isEmpty();
    const QString folder = documento ? g_lastFolder : startFolder;
    QString chosen;
    if (g_answers.save) {
        chosen = g_answers.save(type, defaultName, folder, over);
    } else {
        Centrato<QFileDialog> dialog(over, QString(), folder, filterFor(type));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without an extension gets the type's own.
        const QStringList extensions = extensionsOf(type);
        if (!extensions.isEmpty())
            dialog.setDefaultSuffix(extensions.first().mid(1));
        dialog.selectFile(defaultName);
        prepara(dialog);
        chosen = scelto(dialog);
    }
    if (documento && !chosen.isEmpty())
        g_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

SaveAnswer askSaveChanges(QWidget* over, const SaveQuestionTexts& texts)
{
    over = sopra(over);
    if (g_answers.saveChanges)
        return g_answers.saveChanges(texts, over);
    Centrato<QMessageBox> box(over);
    box.setIcon(QMessageBox::Warning);
    box.setText(texts.question);
    QPushButton* save = box.addButton(texts.save, QMessageBox::AcceptRole);
    QPushButton* dontSave = box.addButton(texts.dontSave, QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(texts.cancel, QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    esegui(box);
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == dontSave)
        return SaveAnswer::DontSave;
    return SaveAnswer::Cancel;
}

void showFileFailure(QWidget* over, const QString& text)
{
    over = sopra(over);
    if (g_answers.failure) {
        g_answers.failure(text, over);
        return;
    }
    Centrato<QMessageBox> box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok, over);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    esegui(box);
}

void setDialogAnswers(DialogAnswers answers) { g_answers = std::move(answers); }

void clearDialogAnswers() { g_answers = DialogAnswers{}; }

} // namespace platform
