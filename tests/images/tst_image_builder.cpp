#include "images/image_builder.h"

#include <QtTest>

namespace {

QByteArray bytesAt(const uint8_t *image, int position, int count)
{
    return {reinterpret_cast<const char *>(image) + position, count};
}

}  // namespace

class TestImageBuilder : public QObject {
    Q_OBJECT
private slots:
    void buttonImageRecords_data();
    void buttonImageRecords();
    void terminalImageRecords_data();
    void terminalImageRecords();
    void terminalImageGapsAreZero();
    void everyRecordIsComplete();
};

void TestImageBuilder::buttonImageRecords_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("all zero: first record") << 0 << "" << 0 << 0 << QByteArray::fromHex("AA001000A0");
    QTest::newRow("all zero: last record") << 0 << "" << 0 << 2075 << QByteArray::fromHex("AA0012EFA0");
    QTest::newRow("start 999 of group 1") << 0 << "start" << 999 << 0 << QByteArray::fromHex("AAE71000A0AA031001A0");
    QTest::newRow("start 256 splits 00 01") << 0 << "start" << 256 << 0 << QByteArray::fromHex("AA001000A0AA011001A0");
    QTest::newRow("start 255 splits FF 00") << 0 << "start" << 255 << 0 << QByteArray::fromHex("AAFF1000A0AA001001A0");
    QTest::newRow("start 300 of group 3") << 2 << "start" << 300 << 20 << QByteArray::fromHex("AA2C1004A0AA011005A0");
    QTest::newRow("end of group 32") << 31 << "end" << 999 << 630 << QByteArray::fromHex("AAE7107EA0AA03107FA0");
    QTest::newRow("last called of group 1") << 0 << "called" << 5 << 640 << QByteArray::fromHex("AA051080A0");
    QTest::newRow("last issued of group 2") << 1 << "issued" << 7 << 970 << QByteArray::fromHex("AA0710C2A0");
    QTest::newRow("enable of group 1") << 0 << "enable" << 100 << 1280 << QByteArray::fromHex("AA641120A0");
    QTest::newRow("enable copy of group 1") << 0 << "enable" << 100 << 1440 << QByteArray::fromHex("AA641140A0");
    QTest::newRow("zero block follows the copies") << 0 << "enable" << 100 << 1600 << QByteArray::fromHex("AA001100A0");
    QTest::newRow("layout of group 2") << 1 << "layout" << 15 << 1765 << QByteArray::fromHex("AA0F1161A0");
    QTest::newRow("limit jumps to 0x12D0") << 0 << "limit" << 1 << 1920 << QByteArray::fromHex("AA0112D0A0");
}

void TestImageBuilder::buttonImageRecords()
{
    QFETCH(int, group);
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(int, position);
    QFETCH(QByteArray, expected);
    Tanimlamalar model;
    const auto v = static_cast<int16_t>(value);
    if (field == "start")
        model.GroupStart[group] = v;
    else if (field == "end")
        model.GroupEnd[group] = v;
    else if (field == "called")
        model.GroupLastCalled[group] = v;
    else if (field == "issued")
        model.GroupLastIssued[group] = v;
    else if (field == "enable")
        model.GroupEnable[group] = model.GroupEnableCopy[group] = v;
    else if (field == "layout")
        model.GroupLayout[group] = v;
    else if (field == "limit")
        model.GroupLimit[group] = v;
    std::array<uint8_t, kButtonImageSize> image{};
    QVERIFY(!buildButtonImage(model, image));
    QCOMPARE(bytesAt(image.data(), position, expected.size()).toHex(' '), expected.toHex(' '));
}

void TestImageBuilder::terminalImageRecords_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("terminal 2, slot 1 group 3") << 320 << QByteArray::fromHex("AA030040A0");
    QTest::newRow("terminal 2, slot 1 count MAX") << 20960 << QByteArray::fromHex("AAFF0060A0");
    QTest::newRow("terminal 64, slot 32 group") << 320 * 63 + 155 << QByteArray::fromHex("AA000FDFA0");
    QTest::newRow("first zero block") << 41280 << QByteArray::fromHex("AA001180A0");
    QTest::newRow("second zero block") << 41600 << QByteArray::fromHex("AA0011C0A0");
    QTest::newRow("last record") << 41915 << QByteArray::fromHex("AA0011FFA0");
}

void TestImageBuilder::terminalImageRecords()
{
    QFETCH(int, position);
    QFETCH(QByteArray, expected);
    Tanimlamalar model;
    model.PriorityGroup[1][0] = 3;
    model.PriorityCount[1][0] = kMaxCount;
    std::array<uint8_t, kTerminalImageSize> image{};
    QVERIFY(!buildTerminalImage(model, image));
    QCOMPARE(bytesAt(image.data(), position, expected.size()).toHex(' '), expected.toHex(' '));
}

void TestImageBuilder::terminalImageGapsAreZero()
{
    Tanimlamalar model;
    for (auto &row : model.PriorityGroup)
        row.fill(16);
    for (auto &row : model.PriorityCount)
        row.fill(254);
    std::array<uint8_t, kTerminalImageSize> image{};
    image.fill(0x77);
    QVERIFY(!buildTerminalImage(model, image));
    const QByteArray zeros(160, '\0');
    QCOMPARE(bytesAt(image.data(), 160, 160), zeros);
    QCOMPARE(bytesAt(image.data(), 20320, 320), QByteArray(320, '\0'));
    QCOMPARE(bytesAt(image.data(), 40960, 320), QByteArray(320, '\0'));
    QCOMPARE(bytesAt(image.data(), 20480, 160), zeros);
}

void TestImageBuilder::everyRecordIsComplete()
{
    Tanimlamalar model;
    std::array<uint8_t, kButtonImageSize> button{};
    QVERIFY(!buildButtonImage(model, button));
    int records = 0;
    for (int p = 0; p < kButtonImageSize; p += 5)
        records += button[p] == 0xAA && button[p + 4] == 0xA0;
    QCOMPARE(records, 416);

    std::array<uint8_t, kTerminalImageSize> terminal{};
    QVERIFY(!buildTerminalImage(model, terminal));
    records = 0;
    for (int p = 0; p < kTerminalImageSize; p += 5)
        records += terminal[p] == 0xAA && terminal[p + 4] == 0xA0;
    QCOMPARE(records, 4224);
}

QTEST_GUILESS_MAIN(TestImageBuilder)
#include "tst_image_builder.moc"
