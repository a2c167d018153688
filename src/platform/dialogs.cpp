#include "platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

DialogAnswers g_answers;

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
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                        filterFor(type));
}

QString showSaveDialog(const FileType& type, const QString& defaultName)
{
    if (g_answers.save)
        return g_answers.save(type, defaultName);
    QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                  defaultName, filterFor(type));
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

void setDialogAnswers(DialogAnswers answers) { g_answers = std::move(answers); }

void clearDialogAnswers() { g_answers = DialogAnswers{}; }

} // namespace platform
