#include "number_conversions.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The text with every skipped character removed, so "1 2" reads as 12.
QString withoutBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!isSkipped(c))
            out.append(c);
    }
    return out;
}

double parseRadix(const QString &digits, int radix)
{
    double value = 0;
    for (QChar c : digits) {
        const int d = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (d < 0 || d >= radix)
            break;
        value = value * radix + d;
    }
    return value;
}

int countDigits(const QString &s, int from)
{
    int i = from;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9')
        ++i;
    return i - from;
}

// Length of the longest prefix of s that is a decimal number with optional exponent.
int decimalPrefixLength(const QString &s)
{
    int i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    const int intDigits = countDigits(s, i);
    i += intDigits;
    int fracDigits = 0;
    if (i < s.size() && s[i] == u'.') {
        fracDigits = countDigits(s, i + 1);
        i += 1 + fracDigits;
    }
    if (intDigits + fracDigits == 0)
        return 0;
    if (i < s.size() && QStringLiteral("eEdD").contains(s[i])) {
        int j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        const int expDigits = countDigits(s, j);
        if (expDigits > 0)
            i = j + expDigits;
    }
    return i;
}

}  // namespace

double ParseNumber(const QString &text)
{
    const QString s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == u'&') {
        const QChar prefix = s[1].toUpper();
        if (prefix == u'H')
            return parseRadix(s.mid(2), 16);
        if (prefix == u'O')
            return parseRadix(s.mid(2), 8);
    }
    const int length = decimalPrefixLength(s);
    if (length == 0)
        return 0;
    QString number = s.left(length);
    const auto isExponentLetter = [](QChar c) { return c == u'd' || c == u'D'; };
    std::replace_if(number.begin(), number.end(), isExponentLetter, QChar(u'e'));
    bool ok = false;
    const double value = number.toLatin1().toDouble(&ok);  // locale-independent: "." is the point
    if (ok)
        return value;
    // The text is a well-formed number, so only its size failed: too large overflows the
    // later conversion to 16 bits, too small is 0.
    if (number.contains(QStringLiteral("e-")))
        return 0;
    return number.startsWith(u'-') ? -HUGE_VAL : HUGE_VAL;
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
