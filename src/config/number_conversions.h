#pragma once

#include <QByteArray>
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

// ParseNumber for a text handed over one character at a time, so that a line or a field of
// any length can be read without holding it: what follows the leading number is passed
// over, and of the number's digits only as many are kept as can change the value.
class NumberScanner {
public:
    void add(QChar c);
    // What ParseNumber gives for all the characters added so far.
    double value() const;

private:
    enum class Part { Start, Sign, Ampersand, Radix, Integer, Fraction, ExponentMark, ExponentSign, Exponent, End };

    Part next(QChar c);
    Part afterSign(QChar c);
    Part afterDigits(QChar c);
    Part afterExponentMark(QChar c);
    Part exponentDigit(QChar c);
    Part radixDigit(QChar c);
    void addSignificand(char digit, bool inFraction);
    double decimalValue() const;

    Part part_ = Part::Start;
    bool negative_ = false;
    int radix_ = 0;
    double radixValue_ = 0;
    QByteArray digits_;  // the significant digits kept, without leading zeros
    bool droppedNonZero_ = false;
    qint64 scale_ = 0;  // the value is digits_ times ten to the power scale_ + exponent
    qint64 exponent_ = 0;
    bool exponentNegative_ = false;
};

// Rounds half to even; no value when the result lies outside -32768..32767 (error code 6).
std::optional<int16_t> ToInt16(double value);

// Rounds half to even, as ToInt16 does, without a range limit.
double RoundHalfEven(double value);

// " 0", " 100", "-1": a blank before a value of 0 or more.
QString FormatSigned(qint64 value);

// "55", "-3"; a fractional value with the locale's decimal separator, 15 significant digits.
QString FormatPlain(double value);
