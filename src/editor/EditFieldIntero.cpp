#include "editor/EditFieldIntero.h"

#include "platform/beep.h"
#include "platform/conversions.h"
#include "platform/yield.h"

#include <QValidator>

namespace {

// The characters the filter keeps: digits, and a minus in front.
bool tenuto(const QString& text, qsizetype i)
{
    const char16_t c = text.at(i).unicode();
    return (c >= u'0' && c <= u'9') || (i == 0 && c == u'-');
}

// The one rule every edit of the field meets, as the field itself applies
// it to keys, pastes and drops alike: an edit may not leave more characters
// the filter drops than the text it changes. A text the program wrote is
// taken as it is (a delta with a fraction, from the pointer at a zoom, holds
// a point the filter drops), so a digit can still be added to "12.5" while
// nothing the filter drops can be added to "7". Since no edit adds to what
// the filter drops, undoing edits only goes back to texts that passed: an
// undo (there is something to redo while it runs) passes too.
class RegolaIntero : public QValidator {
public:
    explicit RegolaIntero(QLineEdit* field) : QValidator(field), m_field(field)
    {
        connect(field, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_scartatiOra = EditFieldIntero::scartati(text); });
    }

    State validate(QString& input, int&) const override
    {
        // The program's own text is the one the field is not modified from.
        if (!m_field->isModified() || m_field->isRedoAvailable())
            return Acceptable;
        return EditFieldIntero::scartati(input) > m_scartatiOra ? Invalid : Acceptable;
    }

private:
    QLineEdit* m_field;
    int m_scartatiOra = 0; // what the filter drops of the text there is
};

} // namespace

EditFieldIntero::EditFieldIntero(QWidget* parent) : platform::EditField(parent)
{
    setValidator(new RegolaIntero(this));
    // The field undoes a refused edit itself and reports it here.
    connect(this, &QLineEdit::inputRejected, this, [] { platform::Beep(); });
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

void EditFieldIntero::Event_LostFocus()
{
    if (!isModified())
        return;
    const QString prima = text();
    const qsizetype punto = prima.indexOf(u'.');
    const QString filtrato = filtraIntero(punto < 0 ? prima : prima.left(punto));
    if (filtrato == prima)
        return;
    setTextFromProgram(filtrato);
    emit riscritto();
}
