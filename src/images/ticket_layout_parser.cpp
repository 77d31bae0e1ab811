#include "images/ticket_layout_parser.h"

#include "config/number_conversions.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>

namespace {

constexpr char kComma = ',';
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kQuote = '"';
constexpr char kApostrophe = '\'';
constexpr char kBlank = ' ';
constexpr double kMaxByteValue = 255;
// Far more than a text field can use (256 bytes and two apostrophes). Of a longer field
// only its start and its last byte are kept.
constexpr qint64 kKeptFieldLength = 1024;

// One field: its first bytes, its whole length, its last byte and its value as a number,
// which is worked out as the field is read, whatever its length.
class Field {
public:
    void append(char c)
    {
        if (head_.size() < kKeptFieldLength)
            head_.append(c);
        ++length_;
        last_ = c;
        number_.add(QLatin1Char(c));
    }

    bool isText() const { return length_ >= 1 && head_.at(0) == kApostrophe && last_ == kApostrophe; }

    // The characters between the apostrophes, as far as they were kept.
    QByteArray textBytes() const
    {
        const qint64 inner = std::min<qint64>(length_ - 2, head_.size() - 1);
        return inner > 0 ? head_.mid(1, inner) : QByteArray();
    }

    double number() const { return number_.value(); }

private:
    QByteArray head_;
    qint64 length_ = 0;
    char last_ = 0;
    NumberScanner number_;
};

class FieldReader {
public:
    explicit FieldReader(QIODevice &device) : device_(device) {}

    // The next field; no value once the device holds no more data.
    std::optional<Field> next()
    {
        char c = 0;
        if (!device_.getChar(&c))
            return std::nullopt;
        while (c == kBlank) {
            if (!device_.getChar(&c))
                return Field{};
        }
        Field field;
        if (c == kQuote) {
            readQuoted(field);
            skipToSeparator();
        } else {
            readUnquoted(c, field);
        }
        return field;
    }

private:
    // An unterminated quote runs to the end of the file.
    void readQuoted(Field &field)
    {
        char c = 0;
        while (device_.getChar(&c) && c != kQuote)
            field.append(c);
    }

    // Whatever stands between a closing quote and the next separator is passed over.
    void skipToSeparator()
    {
        char c = 0;
        while (device_.getChar(&c) && !isSeparator(c)) {
        }
    }

    void readUnquoted(char c, Field &field)
    {
        qint64 blanks = 0;  // held back until something other than a separator follows
        do {
            if (isSeparator(c))
                return;
            if (c == kBlank) {
                ++blanks;
                continue;
            }
            for (; blanks > 0; --blanks)
                field.append(kBlank);
            field.append(c);
        } while (device_.getChar(&c));
    }

    // A CR followed by an LF is one line end: the LF is taken along.
    bool isSeparator(char c)
    {
        if (c == kCr) {
            char following = 0;
            if (device_.getChar(&following) && following != kLf)
                device_.ungetChar(following);
        }
        return c == kComma || c == kCr || c == kLf;
    }

    QIODevice &device_;
};

std::optional<uint8_t> numberValue(const Field &field)
{
    const double value = RoundHalfEven(field.number());
    if (!(value >= 0 && value <= kMaxByteValue))
        return std::nullopt;
    return static_cast<uint8_t>(value);
}

// Adds the field's bytes to the layout; false when the reading has to stop.
bool addField(const Field &field, QByteArray &layout)
{
    if (field.isText()) {
        for (char c : field.textBytes()) {
            if (layout.size() >= kMaxLayoutBytes)
                return false;
            layout.append(c);
        }
        return true;
    }
    const std::optional<uint8_t> value = numberValue(field);
    if (!value || layout.size() >= kMaxLayoutBytes)
        return false;
    layout.append(static_cast<char>(*value));
    return true;
}

}  // namespace

QByteArray readLayout(QIODevice &device)
{
    FieldReader reader(device);
    QByteArray layout;
    while (const std::optional<Field> field = reader.next()) {
        if (!addField(*field, layout))
            break;
    }
    return layout;
}

std::optional<QByteArray> readLayoutFile(const QString &path)
{
    // A folder, a pipe or a device is no layout file, and a pipe could block the window.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readLayout(file);
}
