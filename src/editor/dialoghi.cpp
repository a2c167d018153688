#include "editor/dialoghi.h"

namespace dialoghi {

void preparaFinestra(platform::Window& finestra, const QString& titolo, int larghezza, int altezza)
{
    finestra.setTitle(titolo);
    finestra.setBackColor(QColor(0xCC, 0xCC, 0xCC));
    finestra.setMinimumSize(64, 64);
    finestra.resizeToBody(larghezza, altezza);
    finestra.setFixedSize(finestra.size());
}

platform::PushButton* pulsante(QWidget* parent, const char* nome, int left, int top, const QString& caption)
{
    auto* b = new platform::PushButton(parent);
    b->setObjectName(QString::fromLatin1(nome));
    platform::placeControl(b, left, top, 100, 20);
    b->setTextFont(QStringLiteral("System"), 12);
    b->setText(caption);
    return b;
}

bool tastoAnnulla(const QString& key, platform::PushButton* annulla)
{
    if (key != QString(QChar(0x1B)))
        return false;
    if (annulla->isEnabled())
        annulla->click();
    return true;
}

platform::StaticText* testo(QWidget* parent, const char* nome, int left, int top, int width, int height,
                            const QString& text, platform::Allinea align)
{
    auto* t = new platform::StaticText(parent);
    t->setObjectName(QString::fromLatin1(nome));
    platform::placeControl(t, left, top, width, height);
    t->setBold(true);
    t->setTextFont(QStringLiteral("Arial"), 12);
    t->setTextColor(QColor(0x00, 0x00, 0xFF));
    t->setTextAlign(align);
    t->setText(text);
    return t;
}

} // namespace dialoghi
