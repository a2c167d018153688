#include "editor/EditFieldIntero.h"

#include "platform/beep.h"
#include "platform/conversions.h"
#include "platform/yield.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace {

// The characters the filter keeps: digits, and a minus in front.
bool tenuto(const QString& text, qsizetype i)
{
    const char16_t c = text.at(i).unicode();
    return (c >= u'0' && c <= u'9') || (i == 0 && c == u'-');
}

} // namespace

EditFieldIntero::EditFieldIntero(QWidget* parent) : platform::EditField(parent)
{
    connect(this, &platform::EditField::lostFocus, this, &EditFieldIntero::Event_LostFocus);
}

QString EditFieldIntero::filtraIntero(const QString& text)
{
    QString kept;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (tenuto(text, i))
            kept.append(text.at(i));
        platform::yieldToEventLoop();
    }
    return platform::Str15Digits(platform::Val(kept));
}

int EditFieldIntero::scartati(const QString& text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        n += tenuto(text, i) ? 0 : 1;
    return n;
}

void EditFieldIntero::Event_LostFocus() { setText(filtraIntero(text())); }

void EditFieldIntero::keyPressEvent(QKeyEvent* event)
{
    // The text a typed or pasted insertion would leave, the selection
    // replaced. Editing keys (deleting, moving the caret, Return) insert
    // nothing, and deleting never gives the filter more to drop.
    // With Ctrl (or Ctrl and Shift) a key is a command, not a character,
    // as the field itself takes it.
    const Qt::KeyboardModifiers mod = event->modifiers();
    const bool comando = mod == Qt::ControlModifier || mod == (Qt::ControlModifier | Qt::ShiftModifier);
    QString inserito;
    if (event->matches(QKeySequence::Paste))
        inserito = QGuiApplication::clipboard()->text();
    else if (!comando && !event->text().isEmpty() && event->text().at(0).isPrint())
        inserito = event->text();
    if (!inserito.isEmpty() && !isReadOnly()) {
        QString dopo = text();
        const int inizio = hasSelectedText() ? selectionStart() : cursorPosition();
        dopo.replace(inizio, hasSelectedText() ? selectedText().size() : 0, inserito);
        if (scartati(dopo) > scartati(text())) {
            platform::Beep();
            event->accept();
            return;
        }
    }
    platform::EditField::keyPressEvent(event);
}
