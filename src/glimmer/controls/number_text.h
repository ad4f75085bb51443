// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace glimmer {

// The number at the start of `text`, as the desktop's Val reads it: blanks, tabs and line
// feeds are skipped anywhere, a period is the decimal separator, an exponent letter E or D may
// follow, "&H" and "&O" introduce hexadecimal and octal numbers, and reading stops at the
// first character that cannot belong to the number; 0 when there is none.
//
// Hexadecimal and octal numbers of up to 16 bits read as 16-bit two's complement (&HFFFF is
// -1), of up to 32 bits as 32-bit two's complement; longer ones keep their plain value. A
// decimal number beyond the range of double reads as the largest double of its sign.
double leadingNumber(const QString& text);

// A number in the desktop's general format with the locale's decimal separator and no group
// separators: up to 7 significant digits for a single, 15 for a double ("50", "12.5",
// "1E+20").
QString generalNumber(float value);
QString generalNumber(double value);

}  // namespace glimmer
