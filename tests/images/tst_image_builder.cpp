#include "image_builder.h"

#include <QtTest>

namespace {

QByteArray bytesAt(const uint8_t *image, int position, int count)
{
    return {reinterpret_cast<const char *>(image) + position, count};
}

// A panel showing terminal 0 and group 0 with every value at zero.
PanelState zeroPanels()
{
    PanelState panels;
    panels.slotCount.fill(QStringLiteral("0"));
    panels.start = panels.end = panels.lastCalled = panels.lastIssued = QStringLiteral("0");
    return panels;
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
    void countTextCapture_data();
    void countTextCapture();
    void captureTouchesOnlyShownEntries();
    void greyCheckBoxesChangeNothing();
    void unsendableValueRefusesOnlyItsImage_data();
    void unsendableValueRefusesOnlyItsImage();
    void textBeyond16BitsIsNotCaptured();
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

void TestImageBuilder::countTextCapture_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("dataByte");
    QTest::newRow("MAX is 255") << "MAX" << 0xFF;
    QTest::newRow("max is not MAX") << "max" << 0;
    QTest::newRow("loaded with a blank") << " 12" << 12;
    QTest::newRow("no leading number") << "abc" << 0;
    QTest::newRow("254") << "254" << 254;
}

void TestImageBuilder::countTextCapture()
{
    QFETCH(QString, text);
    QFETCH(int, dataByte);
    Tanimlamalar model;
    PanelState panels = zeroPanels();
    panels.terminal = 1;
    panels.slotCount[0] = text;
    Update_data(model, panels);
    QVERIFY(model.ImagesBuilt);
    QVERIFY(!model.TerminalImageRefusal);
    QCOMPARE(int(model.PriorityCount[1][0]), dataByte);
    QCOMPARE(int(model.TerminalImage[20961]), dataByte);
}

void TestImageBuilder::captureTouchesOnlyShownEntries()
{
    Tanimlamalar model;
    model.PriorityGroup[5][20] = 9;  // beyond the panel's 16 slots
    model.PriorityCount[4][0] = 33;  // another terminal
    model.GroupStart[0] = 44;        // another group
    PanelState panels = zeroPanels();
    panels.terminal = 5;
    panels.slotGroup[3] = 16;
    panels.slotCount[3] = QStringLiteral("7");
    panels.group = 2;
    panels.start = QStringLiteral("300");
    panels.enable = CheckState::Ticked;
    panels.limit = CheckState::Ticked;
    panels.layout = 15;
    Update_data(model, panels);
    QCOMPARE(model.PriorityGroup[5][3], int16_t(16));
    QCOMPARE(model.PriorityCount[5][3], int16_t(7));
    QCOMPARE(model.PriorityGroup[5][20], int16_t(9));
    QCOMPARE(model.PriorityCount[4][0], int16_t(33));
    QCOMPARE(model.GroupStart[0], int16_t(44));
    QCOMPARE(model.GroupStart[2], int16_t(300));
    QCOMPARE(model.GroupEnable[2], int16_t(100));
    QCOMPARE(model.GroupEnableCopy[2], int16_t(100));
    QCOMPARE(model.GroupLimit[2], int16_t(1));
    QCOMPARE(model.GroupLayout[2], int16_t(15));

    const auto button = model.ButtonImage;
    const auto terminal = model.TerminalImage;
    Update_data(model, panels);
    QVERIFY(model.ButtonImage == button);
    QVERIFY(model.TerminalImage == terminal);
}

void TestImageBuilder::greyCheckBoxesChangeNothing()
{
    Tanimlamalar model;
    model.GroupEnable[0] = model.GroupEnableCopy[0] = 7;
    model.GroupLimit[0] = 1;
    PanelState panels = zeroPanels();
    panels.enable = CheckState::Grey;
    panels.limit = CheckState::Grey;
    Update_data(model, panels);
    QCOMPARE(model.GroupEnable[0], int16_t(7));
    QCOMPARE(model.GroupLimit[0], int16_t(1));
}

void TestImageBuilder::unsendableValueRefusesOnlyItsImage_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("buttonRefused");
    QTest::addColumn<QString>("message");
    QTest::newRow("count 300 in slot 5 of terminal 3")
        << "count" << false << QStringLiteral("3. Terminal, 5. Öncelikli Buton: 300 gönderilemez.");
    QTest::newRow("negative start of group 4")
        << "start" << true << QStringLiteral("4. Buton, Başlangıç Sayısı: -3 gönderilemez.");
    QTest::newRow("enable 300 of group 2")
        << "enable" << true << QStringLiteral("2. Buton, Buton Açık: 300 gönderilemez.");
}

void TestImageBuilder::unsendableValueRefusesOnlyItsImage()
{
    QFETCH(QString, fault);
    QFETCH(bool, buttonRefused);
    QFETCH(QString, message);
    Tanimlamalar model;
    PanelState panels = zeroPanels();
    Update_data(model, panels);
    const auto button = model.ButtonImage;
    const auto terminal = model.TerminalImage;

    if (fault == "count")
        model.PriorityCount[2][4] = 300;
    else if (fault == "start")
        model.GroupStart[3] = -3;
    else
        model.GroupEnable[1] = model.GroupEnableCopy[1] = 300;
    panels.slotCount[0] = QStringLiteral("9");  // an edit that would change the terminal image
    panels.start = QStringLiteral("9");         // and the button image
    Update_data(model, panels);

    const auto &refusal = buttonRefused ? model.ButtonImageRefusal : model.TerminalImageRefusal;
    const auto &other = buttonRefused ? model.TerminalImageRefusal : model.ButtonImageRefusal;
    QVERIFY(refusal);
    QCOMPARE(refusal->message(), message);
    QVERIFY(!other);
    QVERIFY(buttonRefused ? model.ButtonImage == button : model.TerminalImage == terminal);
    QVERIFY(buttonRefused ? model.TerminalImage != terminal : model.ButtonImage != button);
}

void TestImageBuilder::textBeyond16BitsIsNotCaptured()
{
    Tanimlamalar model;
    PanelState panels = zeroPanels();
    panels.group = 1;
    panels.start = QStringLiteral("40000");
    panels.end = QStringLiteral("12");
    Update_data(model, panels);
    QVERIFY(model.ButtonImageRefusal);
    QCOMPARE(model.ButtonImageRefusal->message(), QStringLiteral("2. Buton, Başlangıç Sayısı: 40000 gönderilemez."));
    QCOMPARE(model.GroupStart[1], int16_t(0));  // kept as it was
    QCOMPARE(model.GroupEnd[1], int16_t(12));   // the operator's other edits still arrive
    QVERIFY(model.ImagesBuilt);
}

QTEST_GUILESS_MAIN(TestImageBuilder)
#include "tst_image_builder.moc"
