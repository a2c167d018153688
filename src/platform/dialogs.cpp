#include "platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

DialogAnswers g_answers;
// The dialogs open where the user last chose a file.
QString g_lastFolder;

QString filterFor(const FileType& type)
{
    if (type.extensions.isEmpty())
        return QStringLiteral("%1 (*)").arg(type.name);
    QStringList patterns;
    for (const QString& ext : type.extensions.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        patterns << QStringLiteral("*") + ext.trimmed();
    return QStringLiteral("%1 (%2)").arg(type.name, patterns.join(QLatin1Char(' ')));
}

} // namespace

QString showOpenDialog(const FileType& type)
{
    if (g_answers.open)
        return g_answers.open(type);
    const QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                        g_lastFolder, filterFor(type));
    if (!chosen.isEmpty())
        g_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString showSaveDialog(const FileType& type, const QString& defaultName)
{
    if (g_answers.save)
        return g_answers.save(type, defaultName);
    QFileDialog dialog(QApplication::activeWindow(), QString(), g_lastFolder, filterFor(type));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the type's own.
    const QStringList extensions = type.extensions.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (!extensions.isEmpty())
        dialog.setDefaultSuffix(extensions.first().trimmed().remove(0, 1));
    dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().first();
    g_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

SaveAnswer askSaveChanges(const SaveQuestionTexts& texts)
{
    if (g_answers.saveChanges)
        return g_answers.saveChanges(texts);
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::Warning);
    box.setText(texts.question);
    QPushButton* save = box.addButton(texts.save, QMessageBox::AcceptRole);
    QPushButton* dontSave = box.addButton(texts.dontSave, QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(texts.cancel, QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == dontSave)
        return SaveAnswer::DontSave;
    return SaveAnswer::Cancel;
}

void showFileFailure(QWidget* over, const QString& text)
{
    if (!over)
        over = QApplication::activeWindow();
    if (g_answers.failure) {
        g_answers.failure(text, over);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok, over);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

void setDialogAnswers(DialogAnswers answers) { g_answers = std::move(answers); }

void clearDialogAnswers() { g_answers = DialogAnswers{}; }

} // namespace platform
