#pragma once
// What the two settings dialogs share: their window, their OK and Cancel
// buttons, and their blue bold read-outs.
#include "platform/controls.h"
#include "platform/window.h"

namespace dialoghi {

// The dialogs' window: grey, a fixed size, application-modal.
void preparaFinestra(platform::Window& finestra, const QString& titolo, int larghezza, int altezza);

// A push button in System 12. The default one answers Return.
platform::PushButton* pulsante(QWidget* parent, const char* nome, int left, int top, const QString& caption);
// Escape presses the cancel button; true when the key was Escape.
bool tastoAnnulla(const QString& key, platform::PushButton* annulla);

// Blue bold Arial 12 text.
platform::StaticText* testo(QWidget* parent, const char* nome, int left, int top, int width, int height,
                            const QString& text, platform::Allinea align);

} // namespace dialoghi
