#pragma once

#include <string>

// Decimal texts of the phasor editor: one fixed notation, written and read
// with '.' as the decimal separator whatever the C/C++ locale, so every text
// the editor writes (and the literal "0.0" of cleared cells) reads back.
// Nothing here touches a widget or a locale; safe to call from any thread.

// Writes value in fixed notation with `precision` significant digits (P) and
// `decimals` decimals (D). The exact decimal value of the double is rounded
// once, halves away from zero, at whichever of P significant digits and D
// decimals drops more digits; the result is written with exactly D decimals
// (zeros appended), a leading '-' for a negative result, at least one digit
// before the '.', and no '.' at all when D is 0. A value that rounds to zero
// is written without a sign. Examples (P 7, D 4): 1.2732395 -> "1.2732",
// 10 -> "10.0000"; (P 3, D 1): 123.45 -> "123.0"; (P 6, D 1): 123.45 ->
// "123.5", because the double 123.45 lies just above 123.45.
//
// When the rounded integer part needs more than P digits the value is written
// in scientific notation instead: a mantissa of P significant digits, 'E', the
// exponent's sign and its digits, e.g. 1234.5 at P 3 -> "1.23E+3". The
// editor's ranges (magnitudes 0..10, angles -180..180) never reach it.
//
// NaN and infinities are written as zero ("0.0000" at D 4); nothing in the
// program passes them. precision below 1 counts as 1, decimals below 0 as 0.
std::string FormatFixed(double value, int precision, int decimals);

// Reads a decimal number in the notation FormatFixed writes: optional blanks
// (spaces, tabs) before and after, an optional sign, digits with an optional
// '.' fraction (".5" and "5." are accepted, "." is not), and an optional
// exponent (e or E, optional sign, at least one digit). Anything else is
// rejected: empty or blank text, "nan", "inf", hex, ',' as separator, blanks
// inside the number, control characters, any non-ASCII byte, trailing text.
//
// Returns true and sets value for a well-formed text; returns false and leaves
// value unchanged otherwise. A well-formed number too large for a double
// ("1e309") gives +infinity or -infinity, and one too small ("1e-400") gives
// zero; callers range-check the result. Zero is always +0, also for "-0".
// Linear in the text's length.
bool ReadNumber(const std::string &text, double &value);
