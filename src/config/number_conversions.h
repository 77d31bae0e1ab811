#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The text-to-number and number-to-text rules shared by the settings file, the panels,
// the capture and the editor.

constexpr int kOverflowErrorCode = 6;

// Blanks, tabs and line feeds are skipped anywhere; "." is always the decimal point;
// "E" or "D" starts an exponent; "&H" and "&O" read hexadecimal and octal.
// A text without a leading number gives 0.
double ParseNumber(const QString &text);

// Rounds half to even; no value when the result lies outside -32768..32767 (error code 6).
std::optional<int16_t> ToInt16(double value);

// Rounds half to even, as ToInt16 does, without a range limit.
double RoundHalfEven(double value);

// " 0", " 100", "-1": a blank before a value of 0 or more.
QString FormatSigned(qint64 value);

// "55", "-3"; a fractional value with the locale's decimal separator, 15 significant digits.
QString FormatPlain(double value);
