#include "config/number_conversions.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// More significant digits than a double ever needs to be rounded correctly (767): of a longer
// number the digits beyond these only count as zero or not zero, which rounds the same.
constexpr int kKeptDigits = 800;
// Far beyond any exponent a double can take and any length a file can have: a larger
// exponent gives the same value, and the sum of exponents cannot overflow.
constexpr qint64 kExponentLimit = qint64(1) << 50;

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isSign(QChar c)
{
    return c == u'+' || c == u'-';
}

bool isExponentLetter(QChar c)
{
    return c == u'e' || c == u'E' || c == u'd' || c == u'D';
}

// The radix named by the letter after "&": H for 16, O for 8, 0 for any other.
int radixOf(QChar letter)
{
    const QChar upper = letter.toUpper();
    if (upper == u'H')
        return 16;
    return upper == u'O' ? 8 : 0;
}

}  // namespace

double ParseNumber(const QString &text)
{
    NumberScanner scanner;
    for (QChar c : text)
        scanner.add(c);
    return scanner.value();
}

void NumberScanner::add(QChar c)
{
    if (!isSkipped(c) && part_ != Part::End)
        part_ = next(c);
}

double NumberScanner::value() const
{
    if (radix_ != 0)
        return radixValue_;
    return digits_.isEmpty() ? 0 : decimalValue();
}

NumberScanner::Part NumberScanner::next(QChar c)
{
    switch (part_) {
    case Part::Start:
        if (c == u'&')
            return Part::Ampersand;
        if (isSign(c)) {
            negative_ = c == u'-';
            return Part::Sign;
        }
        return afterSign(c);
    case Part::Sign:
        return afterSign(c);
    case Part::Integer:
    case Part::Fraction:
        return afterDigits(c);
    case Part::ExponentMark:
        return afterExponentMark(c);
    case Part::ExponentSign:
    case Part::Exponent:
        return exponentDigit(c);
    case Part::Ampersand:
        radix_ = radixOf(c);
        return radix_ != 0 ? Part::Radix : Part::End;
    case Part::Radix:
        return radixDigit(c);
    case Part::End:
        break;
    }
    return Part::End;
}

NumberScanner::Part NumberScanner::afterSign(QChar c)
{
    if (c == u'.')
        return Part::Fraction;
    if (!isDecimalDigit(c))
        return Part::End;
    addSignificand(char(c.unicode()), false);
    return Part::Integer;
}

// More digits of the integer or the fraction, the decimal point after the integer, or an exponent.
NumberScanner::Part NumberScanner::afterDigits(QChar c)
{
    if (isDecimalDigit(c)) {
        addSignificand(char(c.unicode()), part_ == Part::Fraction);
        return part_;
    }
    if (c == u'.' && part_ == Part::Integer)
        return Part::Fraction;
    return isExponentLetter(c) ? Part::ExponentMark : Part::End;
}

NumberScanner::Part NumberScanner::afterExponentMark(QChar c)
{
    if (isSign(c)) {
        exponentNegative_ = c == u'-';
        return Part::ExponentSign;
    }
    return exponentDigit(c);
}

NumberScanner::Part NumberScanner::exponentDigit(QChar c)
{
    if (!isDecimalDigit(c))
        return Part::End;
    exponent_ = std::min(exponent_ * 10 + (c.unicode() - u'0'), kExponentLimit);
    return Part::Exponent;
}

NumberScanner::Part NumberScanner::radixDigit(QChar c)
{
    const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
    if (digit < 0 || digit >= radix_)
        return Part::End;
    radixValue_ = radixValue_ * radix_ + digit;
    return Part::Radix;
}

void NumberScanner::addSignificand(char digit, bool inFraction)
{
    if (digits_.size() >= kKeptDigits) {
        droppedNonZero_ = droppedNonZero_ || digit != '0';
        if (!inFraction)
            ++scale_;
        return;
    }
    if (!digits_.isEmpty() || digit != '0')
        digits_ += digit;
    if (inFraction)
        --scale_;
}

double NumberScanner::decimalValue() const
{
    // A dropped digit other than 0 stands as a 1 after the kept ones: it rounds the same.
    const QByteArray significand = droppedNonZero_ ? digits_ + '1' : digits_;
    const qint64 power = scale_ + (exponentNegative_ ? -exponent_ : exponent_) - (droppedNonZero_ ? 1 : 0);
    const QByteArray text = (negative_ ? "-" : "") + significand + 'e' + QByteArray::number(power);
    bool ok = false;
    const double parsed = text.toDouble(&ok);  // locale-independent: "." is the point
    if (ok)
        return parsed;
    // The text is a well-formed number, so only its size failed: too large overflows the
    // later conversion to 16 bits, too small is 0.
    if (significand.size() + power <= 0)
        return 0;
    return negative_ ? -HUGE_VAL : HUGE_VAL;
}

double RoundHalfEven(double value)
{
    // The default floating-point rounding mode rounds halfway cases to even.
    return std::nearbyint(value);
}

std::optional<int16_t> ToInt16(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max()))
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

QString FormatSigned(qint64 value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString FormatPlain(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}
