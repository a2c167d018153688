#pragma once
// The integer field of the numeric editor and the grid dialog. When it loses
// the keyboard focus its text is reduced to an optionally signed whole number.
#include "platform/controls.h"

class EditFieldIntero : public platform::EditField {
public:
    explicit EditFieldIntero(QWidget* parent) : platform::EditField(parent) {}
};
