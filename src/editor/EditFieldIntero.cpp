#include "editor/EditFieldIntero.h"

#include "platform/conversions.h"
#include "platform/yield.h"

EditFieldIntero::EditFieldIntero(QWidget* parent) : platform::EditField(parent)
{
    connect(this, &platform::EditField::lostFocus, this, &EditFieldIntero::Event_LostFocus);
}

QString EditFieldIntero::filtraIntero(const QString& text)
{
    QString kept;
    int start = 0;
    if (text.startsWith(QLatin1Char('-'))) {
        kept = QStringLiteral("-");
        start = 1;
    }
    for (int i = start; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= u'0' && c <= u'9')
            kept.append(QChar(c));
        platform::yieldToEventLoop();
    }
    return platform::Str15Digits(platform::Val(kept));
}

void EditFieldIntero::Event_LostFocus() { setText(filtraIntero(text())); }
