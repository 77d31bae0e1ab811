#include "sim_summary.h"
#include "transfer_decoder.h"
#include "transfer_log.h"
#include "unit_responder.h"

#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values)
        result.append(char(value));
    return result;
}

// Group 3's first number 300 (0x012C): low byte to 0x1004, high byte to 0x1005.
const QByteArray kGroup3Start300 = bytes({0xAA, 0x2C, 0x10, 0x04, 0xA0, 0xAA, 0x01, 0x10, 0x05, 0xA0});
// The button image's last record (group 32's limit at 0x12EF) as the tool sends it: no end marker.
const QByteArray kLastButtonRecordCut = bytes({0xAA, 0x00, 0x12, 0xEF});
// Terminal 2, slot 1: group 3 at address 64, count MAX at address 96.
const QByteArray kTerminal2Slot1Group = bytes({0xAA, 0x03, 0x00, 0x40, 0xA0});
const QByteArray kTerminal2Slot1Count = bytes({0xAA, 0xFF, 0x00, 0x60, 0xA0});
const QByteArray kZeroGap = QByteArray(5, '\0');
// Layout bytes 41 42 0D sent as the third ticket.
const QByteArray kTicketThird = bytes({0xAF, 0x41, 0x00, 0x02, 0xA5, 0xAF, 0x42, 0x01, 0x02, 0xA5,
                                       0xAF, 0x0D, 0x02, 0x02, 0xA5, 0xAF, 0x00, 0x03, 0x02, 0xA5});
// 14:35:07 on 6 December 2026.
const QByteArray kDs1307Frame = bytes({0xB4, 0x00, 0x07, 0xBE, 0xB4, 0x01, 0x35, 0xBE, 0xB4, 0x02, 0x14, 0xBE,
                                       0xB4, 0x04, 0x06, 0xBE, 0xB4, 0x05, 0x12, 0xBE, 0xB4, 0x06, 0x26, 0xBE});
const QByteArray kPcf8583Frame = bytes({0xB4, 0x02, 0x07, 0xBE, 0xB4, 0x03, 0x35, 0xBE, 0xB4, 0x04, 0x14, 0xBE,
                                        0xB4, 0x05, 0x86, 0xBE, 0xB4, 0x06, 0x12, 0xBE, 0xB4, 0x10, 0x06, 0xBE});

std::optional<int> optionalIndex(int index)
{
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

}  // namespace

class TestUnitSim : public QObject {
    Q_OBJECT

private slots:
    void countsRecords_data();
    void countsRecords();
    void describesSettings_data();
    void describesSettings();
    void splitsTransfersAtPauses_data();
    void splitsTransfersAtPauses();
    void answersAsTheUnitDoes_data();
    void answersAsTheUnitDoes();
    void summaryListsEveryTransfer();
};

void TestUnitSim::countsRecords_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("malformed");
    QTest::addColumn<bool>("lastCutByOne");
    QTest::addColumn<int>("fragmentBytes");

    const int button = int(TransferKind::ButtonImage);
    QTest::newRow("button image ends one byte short, as sent")
        << kGroup3Start300 + kLastButtonRecordCut << button << 3 << 0 << true << 0;
    QTest::newRow("terminal image skips its zero gaps") << kTerminal2Slot1Group + kZeroGap + kTerminal2Slot1Count
                                                        << int(TransferKind::TerminalImage) << 2 << 0 << false << 0;
    QTest::newRow("zero bytes inside a button image are malformed")
        << kGroup3Start300 + kZeroGap << button << 2 << 1 << false << 0;
    QTest::newRow("wrong end marker is malformed")
        << kGroup3Start300.left(9) + bytes({0x00}) << button << 1 << 1 << false << 0;
    QTest::newRow("records out of step are malformed")
        << kGroup3Start300.mid(0, 5) + kGroup3Start300.mid(6) + bytes({0xAA}) << button << 1 << 1 << false << 0;
    QTest::newRow("transfer stopped inside a record")
        << kGroup3Start300 + bytes({0xAA, 0x00}) << button << 2 << 0 << false << 2;
    QTest::newRow("ticket data records") << kTicketThird << int(TransferKind::TicketData) << 4 << 0 << false << 0;
    QTest::newRow("clock frame records") << kDs1307Frame << int(TransferKind::Clock) << 6 << 0 << false << 0;
    QTest::newRow("clock record with wrong end marker")
        << kDs1307Frame.left(7) + bytes({0xA0}) << int(TransferKind::Clock) << 1 << 1 << false << 0;
    QTest::newRow("start byte only") << QByteArray() << int(TransferKind::Empty) << 0 << 0 << false << 0;
    QTest::newRow("bytes of no known record")
        << bytes({0x12, 0x34}) << int(TransferKind::Unknown) << 0 << 0 << false << 2;
}

void TestUnitSim::countsRecords()
{
    QFETCH(QByteArray, received);
    QFETCH(int, kind);
    QFETCH(int, records);
    QFETCH(int, malformed);
    QFETCH(bool, lastCutByOne);
    QFETCH(int, fragmentBytes);

    const DecodedTransfer decoded = decodeTransfer(received);

    QCOMPARE(int(decoded.kind), kind);
    QCOMPARE(decoded.records, records);
    QCOMPARE(decoded.malformed, malformed);
    QCOMPARE(decoded.lastCutByOne, lastCutByOne);
    QCOMPARE(decoded.fragmentBytes, fragmentBytes);
    QCOMPARE(decoded.byteCount, received.size());
}

void TestUnitSim::describesSettings_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QString>("line");

    QTest::newRow("button image counts")
        << kGroup3Start300 + kLastButtonRecordCut
        << QStringLiteral(
               "button image: 14 bytes, 3 records (last record cut by one byte, as the tool sends it), 0 malformed");
    QTest::newRow("group first number from low and high byte")
        << kGroup3Start300
        << QStringLiteral("group 3: start 300, end -, last called -, last issued -, enable -/-, layout -, limit -");
    QTest::newRow("group one-byte values")
        << kGroup3Start300 + bytes({0xAA, 0x64, 0x11, 0x22, 0xA0, 0xAA, 0x64, 0x11, 0x42, 0xA0,
                                    0xAA, 0x05, 0x11, 0x62, 0xA0, 0xAA, 0x01, 0x12, 0xD2, 0xA0})
        << QStringLiteral("group 3: start 300, end -, last called -, last issued -, enable 100/100, layout 5, limit 1");
    QTest::newRow("malformed record named by its offset")
        << kGroup3Start300.left(9) + bytes({0x00})
        << QStringLiteral("button image: 10 bytes, 1 records, 1 malformed (first at byte 5)");
    QTest::newRow("terminal slot with MAX count") << kTerminal2Slot1Group + kZeroGap + kTerminal2Slot1Count
                                                  << QStringLiteral("terminal 2: slot 1 group 3 count MAX");
    QTest::newRow("terminals with priorities counted")
        << kTerminal2Slot1Group + kTerminal2Slot1Count << QStringLiteral("priority slots set on 1 terminals");
    QTest::newRow("ticket number and layout length")
        << kTicketThird << QStringLiteral("ticket number 3, layout 3 bytes");
    QTest::newRow("clock registers") << kDs1307Frame << QStringLiteral("registers 00=07 01=35 02=14 04=06 05=12 06=26");
    QTest::newRow("DS1307 date and time") << kDs1307Frame << QStringLiteral("DS1307: 14:35:07 06.12.26");
    QTest::newRow("PCF8583 date, time and year") << kPcf8583Frame << QStringLiteral("PCF8583: 14:35:07 06.12, year 26");
    QTest::newRow("stopped transfer names its fragment")
        << kDs1307Frame.left(6)
        << QStringLiteral("clock frame: 6 bytes, 1 records, 0 malformed, incomplete last record of 2 bytes");
}

void TestUnitSim::describesSettings()
{
    QFETCH(QByteArray, received);
    QFETCH(QString, line);

    const QStringList lines = describeTransfer(decodeTransfer(received));

    QVERIFY2(lines.contains(line), qPrintable(lines.join(QLatin1Char('\n'))));
}

void TestUnitSim::splitsTransfersAtPauses_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QList<int>>("atMs");
    QTest::addColumn<QList<int>>("indices");

    QTest::newRow("first byte is a start byte") << bytes({0xAA}) << QList<int>{0} << QList<int>{-1};
    QTest::newRow("echoed bytes follow each other")
        << bytes({0xAA, 0xAA, 0x2C}) << QList<int>{0, 3, 6} << QList<int>{-1, 0, 1};
    QTest::newRow("record start just under the pause continues")
        << bytes({0xAA, 0x2C, 0xAA}) << QList<int>{0, 3, 502} << QList<int>{-1, 0, 1};
    QTest::newRow("byte after the pause starts the next transfer")
        << bytes({0xAA, 0x2C, 0xAA, 0xB4}) << QList<int>{0, 3, 503, 505} << QList<int>{-1, 0, -1, 0};
}

void TestUnitSim::splitsTransfersAtPauses()
{
    QFETCH(QByteArray, received);
    QFETCH(QList<int>, atMs);
    QFETCH(QList<int>, indices);

    TransferLog log;
    QList<int> actual;
    for (int i = 0; i < received.size(); ++i)
        actual << log.add(uint8_t(received.at(i)), atMs.at(i));

    QCOMPARE(actual, indices);
}

void TestUnitSim::answersAsTheUnitDoes_data()
{
    QTest::addColumn<int>("wrongEchoAt");
    QTest::addColumn<int>("doubleAt");
    QTest::addColumn<int>("silentAfter");
    QTest::addColumn<int>("hangUpAfter");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("hangUp");

    QTest::newRow("start byte answered with one other byte")
        << -1 << -1 << -1 << -1 << 0xAA << -1 << bytes({0x55}) << false;
    QTest::newRow("every further byte echoed") << -1 << -1 << -1 << -1 << 0x2C << 0 << bytes({0x2C}) << false;
    QTest::newRow("wrong echo inverts the byte") << 5 << -1 << -1 << -1 << 0x01 << 5 << bytes({0xFE}) << false;
    QTest::newRow("wrong echo only at its byte") << 5 << -1 << -1 << -1 << 0x01 << 4 << bytes({0x01}) << false;
    QTest::newRow("double echo") << -1 << 3 << -1 << -1 << 0xBE << 3 << bytes({0xBE, 0xBE}) << false;
    QTest::newRow("silent from its byte on") << -1 << -1 << 3 << -1 << 0xBE << 3 << QByteArray() << false;
    QTest::newRow("still echoing before silence") << -1 << -1 << 3 << -1 << 0x14 << 2 << bytes({0x14}) << false;
    QTest::newRow("hang-up when its byte arrives") << -1 << -1 << -1 << 100 << 0xA0 << 100 << QByteArray() << true;
    QTest::newRow("hang-up at 0 still answers the start byte")
        << -1 << -1 << -1 << 0 << 0xAA << -1 << bytes({0x55}) << false;
}

void TestUnitSim::answersAsTheUnitDoes()
{
    QFETCH(int, wrongEchoAt);
    QFETCH(int, doubleAt);
    QFETCH(int, silentAfter);
    QFETCH(int, hangUpAfter);
    QFETCH(int, byte);
    QFETCH(int, index);
    QFETCH(QByteArray, answer);
    QFETCH(bool, hangUp);
    FaultOptions faults;
    faults.wrongEchoAt = optionalIndex(wrongEchoAt);
    faults.doubleAt = optionalIndex(doubleAt);
    faults.silentAfter = optionalIndex(silentAfter);
    faults.hangUpAfter = optionalIndex(hangUpAfter);

    const UnitAnswer actual = UnitResponder(faults).answer(uint8_t(byte), index);

    QCOMPARE(actual.bytes, answer);
    QCOMPARE(actual.hangUp, hangUp);
}

void TestUnitSim::summaryListsEveryTransfer()
{
    TransferLog log;
    const QByteArray button = bytes({0xAA}) + kGroup3Start300;
    for (char byte : button)
        log.add(uint8_t(byte), 0);
    const QByteArray clock = bytes({0x00}) + kDs1307Frame;
    for (char byte : clock)
        log.add(uint8_t(byte), 1000);

    const QStringList lines = summaryLines(log);

    QCOMPARE(lines.first(), QStringLiteral("unit-sim summary: 2 transfers, 36 bytes received"));
    QVERIFY(lines.contains(QStringLiteral("transfer 1: button image: 10 bytes, 2 records, 0 malformed")));
    QVERIFY(lines.contains(
        QStringLiteral("transfer 2: clock frame: 24 bytes, 6 records, 0 malformed, started by 0x00 instead of 0xAA")));
    QVERIFY(lines.contains(QStringLiteral("  DS1307: 14:35:07 06.12.26")));
}

QTEST_GUILESS_MAIN(TestUnitSim)
#include "tst_unit_sim.moc"
