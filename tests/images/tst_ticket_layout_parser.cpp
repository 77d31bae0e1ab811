#include "config/code_page_1254.h"
#include "images/ticket_layout_parser.h"
#include "images/ticket_numbers.h"
#include "ui/editor/ticket_view.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr qint64 kFiftyMegabytes = 50LL * 1024 * 1024;

QByteArray repeated(const QByteArray &piece, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// A layout of the given size made of one piece over and over, which counts how much of it
// the reader pulls.
class GeneratedLayout : public QIODevice {
public:
    GeneratedLayout(QByteArray piece, qint64 size) : piece_(std::move(piece)), size_(size) {}
    qint64 pulled = 0;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        qint64 n = 0;
        for (; n < maxSize && pulled < size_; ++n, ++pulled)
            data[n] = piece_.at(pulled % piece_.size());
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray piece_;
    qint64 size_;
};

}  // namespace

class TstTicketLayoutParser : public QObject {
    Q_OBJECT
private slots:
    void readsFields_data();
    void readsFields();
    void stopsAtTheLastByteThatFits_data();
    void stopsAtTheLastByteThatFits();
    void hugeLayoutIsReadOnlyAsFarAsNeeded_data();
    void hugeLayoutIsReadOnlyAsFarAsNeeded();
    void unreadableFileGivesNoLayout_data();
    void unreadableFileGivesNoLayout();
    void readsLayoutFile();
    void viewShowsCharactersAndLineBreaks_data();
    void viewShowsCharactersAndLineBreaks();
    void ticketNumberTexts_data();
    void ticketNumberTexts();
};

void TstTicketLayoutParser::readsFields_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("text then a line end code") << QByteArray("'AB',13") << QByteArray("\x41\x42\x0D");
    QTest::newRow("text, numbers, hex") << QByteArray("'BILET',13,10,&H1B,64")
                                        << QByteArray("\x42\x49\x4C\x45\x54\x0D\x0A\x1B\x40");
    QTest::newRow("apostrophe text with a bare comma is two zeros") << QByteArray("'A,B'") << QByteArray("\0\0", 2);
    QTest::newRow("quoted text keeps its comma") << QByteArray("\"'A,B'\",66") << QByteArray("A,BB");
    QTest::newRow("quoted text keeps its line end") << QByteArray("\"'A\r\nB'\"") << QByteArray("A\r\nB");
    QTest::newRow("quoted number") << QByteArray("\"65\",66") << QByteArray("AB");
    QTest::newRow("text after a closing quote is passed over") << QByteArray("\"65\"x9,66") << QByteArray("AB");
    QTest::newRow("empty line is a zero") << QByteArray("65\r\n\r\n66") << QByteArray("A\0B", 3);
    QTest::newRow("nothing between commas is a zero") << QByteArray("65,,66") << QByteArray("A\0B", 3);
    QTest::newRow("comma before a line end leaves an empty field") << QByteArray("65,\r\n66") << QByteArray("A\0B", 3);
    QTest::newRow("CR LF is one line end") << QByteArray("65\r\n66\r\n") << QByteArray("AB");
    QTest::newRow("CR alone ends a line") << QByteArray("65\r66\r") << QByteArray("AB");
    QTest::newRow("LF alone ends a line") << QByteArray("65\n66\n") << QByteArray("AB");
    QTest::newRow("trailing comma at the end") << QByteArray("65,") << QByteArray("A");
    QTest::newRow("halfway values round to even") << QByteArray("65.5,66.5,0.5") << QByteArray("BB\0", 3);
    QTest::newRow("minus one stops, keeping what came before") << QByteArray("65,-1,66") << QByteArray("A");
    QTest::newRow("256 stops, keeping what came before") << QByteArray("65,256,66") << QByteArray("A");
    QTest::newRow("255.4 rounds into range") << QByteArray("255.4,-0.4") << QByteArray("\xFF\0", 2);
    QTest::newRow("exponent beyond a byte stops") << QByteArray("65,2.56E2,66") << QByteArray("A");
    QTest::newRow("hex and octal") << QByteArray("&H1B,&O17,&hff") << QByteArray("\x1B\x0F\xFF");
    QTest::newRow("hex beyond a byte stops") << QByteArray("65,&H100") << QByteArray("A");
    QTest::newRow("Turkish letters are Windows-1254 bytes")
        << toWindows1254(QStringLiteral("'ŞĞİ',ş")) << QByteArray("\xDE\xD0\xDD\0", 4);
    QTest::newRow("blanks before a field are skipped") << QByteArray("  'AB',   13") << QByteArray("AB\r");
    QTest::newRow("blanks before a comma do not spoil a text") << QByteArray("'AB'  ,13  \r\n") << QByteArray("AB\r");
    QTest::newRow("blanks inside a text are kept") << QByteArray("' A B '") << QByteArray(" A B ");
    QTest::newRow("lone apostrophe gives nothing") << QByteArray("',65") << QByteArray("A");
    QTest::newRow("two apostrophes give nothing") << QByteArray("'',65") << QByteArray("A");
    QTest::newRow("line of only apostrophes") << QByteArray("''''\r\n'''\r\n65") << QByteArray("'''A");
    QTest::newRow("word without a number is a zero") << QByteArray("ABC,65") << QByteArray("\0A", 2);
    QTest::newRow("unterminated quote keeps its text") << QByteArray("65,\"'A,B'") << QByteArray("AA,B");
    QTest::newRow("unterminated quote of a number") << QByteArray("65,\"66") << QByteArray("AB");
    QTest::newRow("NUL as a field is a zero") << QByteArray("65,\0,66", 7) << QByteArray("A\0B", 3);
    QTest::newRow("NUL inside a text is a byte") << QByteArray("'A\0B'", 5) << QByteArray("A\0B", 3);
    QTest::newRow("empty file") << QByteArray() << QByteArray();
    QTest::newRow("overlong number is read whole")
        << QByteArray("65,") + repeated("0", 2000) + "66" << QByteArray("AB");
    QTest::newRow("overlong word is a zero") << repeated("X", 1100) + ",65" << QByteArray("\0A", 2);
    QTest::newRow("overlong text keeps what fits") << "'" + repeated("Z", 2000) + "'" << repeated("Z", 256);
}

void TstTicketLayoutParser::readsFields()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    QBuffer device(&file);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(readLayout(device), expected);
}

void TstTicketLayoutParser::stopsAtTheLastByteThatFits_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");

    QByteArray letters;
    QByteArray lettersKept;
    for (int i = 0; i < 300; ++i) {
        const char letter = static_cast<char>('A' + i % 26);
        letters += QByteArray("'") + letter + "',";
        if (i < 256)
            lettersKept += letter;
    }
    QTest::newRow("300 one-character fields keep 256") << letters << lettersKept;
    QTest::newRow("exactly 256 numbers") << repeated("7,", 256) << repeated("\x07", 256);
    QTest::newRow("text crossing the end keeps what fits")
        << repeated("7,", 254) + "'ABC',9" << repeated("\x07", 254) + "AB";
    QTest::newRow("empty text after the last byte does not stop")
        << repeated("7,", 256) + "''" << repeated("\x07", 256);
}

void TstTicketLayoutParser::stopsAtTheLastByteThatFits()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    QBuffer device(&file);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(readLayout(device), expected);
}

void TstTicketLayoutParser::hugeLayoutIsReadOnlyAsFarAsNeeded_data()
{
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<int>("expectedSize");
    QTest::addColumn<qint64>("atMostPulled");

    constexpr qint64 kEarlyStop = 64LL * 1024;
    QTest::newRow("numbers beyond the 256th byte") << QByteArray("65,") << 256 << kEarlyStop;
    QTest::newRow("texts beyond the 256th byte") << QByteArray("'AB'\r\n") << 256 << kEarlyStop;
    QTest::newRow("bad value first") << QByteArray("300,") << 0 << kEarlyStop;
    // Only its end tells where the next field would begin.
    QTest::newRow("one field without separators is one zero") << QByteArray("A") << 1 << kFiftyMegabytes;
}

void TstTicketLayoutParser::hugeLayoutIsReadOnlyAsFarAsNeeded()
{
    QFETCH(QByteArray, piece);
    QFETCH(int, expectedSize);
    QFETCH(qint64, atMostPulled);
    GeneratedLayout device(piece, kFiftyMegabytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(readLayout(device).size(), expectedSize);
    QVERIFY2(device.pulled <= atMostPulled, qPrintable(QString::number(device.pulled)));
}

void TstTicketLayoutParser::unreadableFileGivesNoLayout_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("file gone after the dialog") << QStringLiteral("gone.txt");
    QTest::newRow("folder chosen as a file") << QStringLiteral("folder");
}

void TstTicketLayoutParser::unreadableFileGivesNoLayout()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(!readLayoutFile(dir.filePath(relativePath)).has_value());
}

void TstTicketLayoutParser::readsLayoutFile()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("bilet.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("'AB',13\r\n");
    file.close();
    const std::optional<QByteArray> layout = readLayoutFile(file.fileName());
    QVERIFY(layout.has_value());
    QCOMPARE(*layout, QByteArray("AB\r"));
}

void TstTicketLayoutParser::viewShowsCharactersAndLineBreaks_data()
{
    QTest::addColumn<QByteArray>("layout");
    QTest::addColumn<QString>("expected");

    QTest::newRow("CR is a line break") << QByteArray("AB\r") << QStringLiteral("AB\n");
    QTest::newRow("CR LF is one line break") << QByteArray("A\r\nB") << QStringLiteral("A\nB");
    QTest::newRow("LF is a line break") << QByteArray("A\nB") << QStringLiteral("A\nB");
    QTest::newRow("LF CR are two line breaks") << QByteArray("A\n\rB") << QStringLiteral("A\n\nB");
    QTest::newRow("Windows-1254 letters") << QByteArray("\xDE\xD0\xDD\xFE\xF0\xFD") << QStringLiteral("ŞĞİşğı");
}

void TstTicketLayoutParser::viewShowsCharactersAndLineBreaks()
{
    QFETCH(QByteArray, layout);
    QFETCH(QString, expected);
    QCOMPARE(ticketViewText(layout), expected);
}

void TstTicketLayoutParser::ticketNumberTexts_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("prompt");

    QTest::newRow("first") << 0 << "1st Ticket"
                           << "Do you want send as 1st TICKET?";
    QTest::newRow("second") << 1 << "2nd Ticket"
                            << "Do you want send as 2nd TICKET?";
    QTest::newRow("third") << 2 << "3rd Ticket"
                           << "Do you want send as 3rd TICKET?";
    QTest::newRow("fourth") << 3 << "4th Ticket"
                            << "Do you want send as 4th TICKET?";
    QTest::newRow("eleventh") << 10 << "11th Ticket"
                              << "Do you want send as 11th TICKET?";
    QTest::newRow("twelfth") << 11 << "12th Ticket"
                             << "Do you want send as 12th TICKET?";
    QTest::newRow("thirteenth") << 12 << "13th Ticket"
                                << "Do you want send as 13th TICKET?";
    QTest::newRow("sixteenth") << 15 << "16th Ticket"
                               << "Do you want send as 16th TICKET?";
}

void TstTicketLayoutParser::ticketNumberTexts()
{
    QFETCH(int, n);
    QFETCH(QString, item);
    QFETCH(QString, prompt);
    QCOMPARE(ticketItemText(n), item);
    QCOMPARE(ticketPrompt(n), prompt);
}

QTEST_GUILESS_MAIN(TstTicketLayoutParser)
#include "tst_ticket_layout_parser.moc"
