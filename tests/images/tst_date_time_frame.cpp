#include "images/date_time_frame.h"
#include "images/unit_names.h"

#include <QtTest>

class TestDateTimeFrame : public QObject {
    Q_OBJECT
private slots:
    void frameForChip_data();
    void frameForChip();
    void chipShownAs_data();
    void chipShownAs();
};

void TestDateTimeFrame::frameForChip_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<int>("chip");
    QTest::addColumn<QByteArray>("records");

    const QDateTime december2026(QDate(2026, 12, 6), QTime(14, 35, 7));
    QTest::newRow("DS1307 14:35:07 06.12.2026")
        << december2026 << 0 << QByteArray::fromHex("B40007BE B40135BE B40214BE B40406BE B40512BE B40626BE");
    QTest::newRow("PCF8583 14:35:07 06.12.2026: year 26 is 2 in its cycle, 6 cycles")
        << december2026 << 1 << QByteArray::fromHex("B40207BE B40335BE B40414BE B40586BE B40612BE B41006BE");
    QTest::newRow("DS1307 08:05:03 09.01.2026: leading zeros")
        << QDateTime(QDate(2026, 1, 9), QTime(8, 5, 3)) << 0
        << QByteArray::fromHex("B40003BE B40105BE B40208BE B40409BE B40501BE B40626BE");
    QTest::newRow("PCF8583 in 2024: leap year, cycle bits 0")
        << QDateTime(QDate(2024, 3, 15), QTime(10, 20, 30)) << 1
        << QByteArray::fromHex("B40230BE B40320BE B40410BE B40515BE B40603BE B41006BE");
    QTest::newRow("PCF8583 in 2027: cycle bits 3")
        << QDateTime(QDate(2027, 3, 15), QTime(10, 20, 30)) << 1
        << QByteArray::fromHex("B40230BE B40320BE B40410BE B405D5BE B40603BE B41006BE");
    QTest::newRow("DS1307 last second of 2099")
        << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)) << 0
        << QByteArray::fromHex("B40059BE B40159BE B40223BE B40431BE B40512BE B40699BE");
    QTest::newRow("PCF8583 last second of 2099: 24 cycles")
        << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)) << 1
        << QByteArray::fromHex("B40259BE B40359BE B40423BE B405F1BE B40612BE B41018BE");
    QTest::newRow("PCF8583 midnight 01.01.2000")
        << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)) << 1
        << QByteArray::fromHex("B40200BE B40300BE B40400BE B40501BE B40601BE B41000BE");
    QTest::newRow("any chip other than 1 is a DS1307")
        << december2026 << 7 << QByteArray::fromHex("B40007BE B40135BE B40214BE B40406BE B40512BE B40626BE");
}

void TestDateTimeFrame::frameForChip()
{
    QFETCH(QDateTime, moment);
    QFETCH(int, chip);
    QFETCH(QByteArray, records);
    const auto frame = buildDateTimeFrame(moment, static_cast<int16_t>(chip));
    QCOMPARE(int(frame.size()), 25);
    const QByteArray sent(reinterpret_cast<const char *>(frame.data()), 24);
    QCOMPARE(sent.toHex(' '), records.toHex(' '));
    QCOMPARE(int(frame[24]), 0);
}

// The name the window's chip box, the report and the comparison show for a stored value.
void TestDateTimeFrame::chipShownAs_data()
{
    QTest::addColumn<int>("chip");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << QStringLiteral("DS1307");
    QTest::newRow("1") << 1 << QStringLiteral("PCF8583");
    QTest::newRow("any other value sets the DS1307") << 7 << QStringLiteral("DS1307");
}

void TestDateTimeFrame::chipShownAs()
{
    QFETCH(int, chip);
    QFETCH(QString, name);
    QCOMPARE(clockChipName(chip), name);
}

QTEST_GUILESS_MAIN(TestDateTimeFrame)
#include "tst_date_time_frame.moc"
