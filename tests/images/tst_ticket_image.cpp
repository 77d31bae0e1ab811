#include "byte_sequence.h"
#include "config/tanimlamalar.h"
#include "images/ticket_image.h"

#include <QtTest>

namespace {

// Records k = from..255 as the unit expects them: AF, data 0, k, ticket number, A5.
QByteArray emptyRecords(int from, uint8_t ticketNumber)
{
    QByteArray out;
    for (int k = from; k < 256; ++k) {
        out += bytes({0xAF, 0, k, ticketNumber, 0xA5});
    }
    return out;
}

}  // namespace

class TstTicketImage : public QObject {
    Q_OBJECT
private slots:
    void stampedImage_data();
    void stampedImage();
    void openingResetsEarlierLayout_data();
    void openingResetsEarlierLayout();
    void laterStampReplacesEarlier();
};

void TstTicketImage::stampedImage_data()
{
    QTest::addColumn<QByteArray>("layout");
    QTest::addColumn<int>("ticketNumber");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("3rd Ticket example") << QByteArray("\x41\x42\x0D") << 2
                                        << QByteArray("\xAF\x41\x00\x02\xA5"
                                                      "\xAF\x42\x01\x02\xA5"
                                                      "\xAF\x0D\x02\x02\xA5",
                                                      15) +
                                               emptyRecords(3, 2);
    QTest::newRow("1st Ticket, empty layout") << QByteArray() << 0 << emptyRecords(0, 0);
    QByteArray full;
    QByteArray fullImage;
    for (int k = 0; k < 256; ++k) {
        full += static_cast<char>(255 - k);
        fullImage += bytes({0xAF, 255 - k, k, 0x0F, 0xA5});
    }
    QTest::newRow("256 bytes as 16th Ticket") << full << 15 << fullImage;
}

void TstTicketImage::stampedImage()
{
    QFETCH(QByteArray, layout);
    QFETCH(int, ticketNumber);
    QFETCH(QByteArray, expected);
    QByteArray image;
    fillTicketImage(image, layout);
    stampTicketNumber(image, ticketNumber);
    QCOMPARE(image.size(), kTicketImageSize);
    QCOMPARE(image, expected);
}

void TstTicketImage::openingResetsEarlierLayout_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("shorter layout after a longer one") << QByteArray("LONGER") << QByteArray("S")
                                                       << QByteArray("\xAF"
                                                                     "S"
                                                                     "\x00\x00\xA5",
                                                                     5) +
                                                              emptyRecords(1, 0);
    QTest::newRow("empty layout after one") << QByteArray("AB") << QByteArray() << emptyRecords(0, 0);
}

void TstTicketImage::openingResetsEarlierLayout()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QByteArray, expected);
    QByteArray image;
    fillTicketImage(image, first);
    stampTicketNumber(image, 7);
    fillTicketImage(image, second);
    QCOMPARE(image, expected);
}

void TstTicketImage::laterStampReplacesEarlier()
{
    QByteArray image;
    fillTicketImage(image, QByteArray("AB"));
    stampTicketNumber(image, 1);  // "2nd Ticket"
    stampTicketNumber(image, 4);  // "5th Ticket"
    QCOMPARE(ticketNumbersOf(image), QByteArray(256, '\x04'));
    QCOMPARE(image.mid(0, 10), QByteArray("\xAF"
                                          "A"
                                          "\x00\x04\xA5"
                                          "\xAF"
                                          "B"
                                          "\x01\x04\xA5",
                                          10));
}

QTEST_GUILESS_MAIN(TstTicketImage)
#include "tst_ticket_image.moc"
