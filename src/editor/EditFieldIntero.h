#pragma once
// An edit field that holds an optionally signed whole number. When it loses
// the keyboard focus its text is reduced to a leading minus and the digits,
// then rewritten as that number. What the filter would drop cannot enter the
// field in the first place, however it comes (typed, pasted by Ctrl+V, the
// Edit menu or the context menu, dropped): such an edit is refused whole,
// with the beep, so a text the user entered never changes its value when the
// field is left.
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
};
