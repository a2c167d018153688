#pragma once
// An edit field that holds an optionally signed whole number. When it loses
// the keyboard focus after the user edited it, its text is reduced to a
// leading minus and the digits, then rewritten as that number. What the
// filter would drop cannot enter the field in the first place, however it
// comes (typed, pasted by Ctrl+V, the Edit menu or the context menu,
// dropped): such an edit is refused whole, with the beep, so a text the user
// entered never changes its value when the field is left.
//
// The program may write a fraction into the field (a delta the pointer gave
// at a zoom). Leaving never changes the size of that number: a text the user
// did not edit is kept as it is, and an edited one keeps its whole part (the
// point is always the program's, since no edit can add one), never its
// digits run together.
#include "platform/controls.h"

class EditFieldIntero : public platform::EditField {
    Q_OBJECT
public:
    explicit EditFieldIntero(QWidget* parent);

    // The filtered form of a text: the digits 0-9 kept in order, a "-" kept
    // only as the first character, the result read as a number and written back.
    static QString filtraIntero(const QString& text);
    // How many characters of a text the filter drops.
    static int scartati(const QString& text);

    // Runs when the field loses the focus; changes only the field's text.
    void Event_LostFocus();

signals:
    // The filter gave the field another text when it was left.
    void riscritto();
};
