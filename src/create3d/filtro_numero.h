#pragma once
// The text filter of the "Create 3D" window's number fields.
#include <QString>

// Keeps the digits and the first decimal point, typed as "." or ",", and
// drops everything else: later points and commas, signs, letters (so no
// exponent), blanks and other symbols. A filtered text never holds a sign.
QString filtroNumero(const QString& text);
