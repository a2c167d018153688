#pragma once
// An edit field that holds an optionally signed whole number. When it loses
// the keyboard focus its text is reduced to a leading minus and the digits,
// then rewritten as that number. What the filter would drop cannot be typed
// or pasted in the first place: such a key is refused with the beep, so a
// typed text never changes its value when the field is left.
#include "platform/controls.h"

class EditFieldIntero : public platform::EditField {
public:
    explicit EditFieldIntero(QWidget* parent);

    // The filtered form of a text: the digits 0-9 kept in order, a "-" kept
    // only as the first character, the result read as a number and written back.
    static QString filtraIntero(const QString& text);
    // How many characters of a text the filter drops.
    static int scartati(const QString& text);

    // Runs when the field loses the focus; changes only the field's text.
    void Event_LostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
