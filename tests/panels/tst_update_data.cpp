#include "panels/update_data.h"

#include <QtTest>

namespace {

// A panel showing terminal 0 and group 0 with every value at zero.
PanelState zeroPanels()
{
    PanelState panels;
    panels.slotCount.fill(QStringLiteral("0"));
    panels.start = panels.end = panels.lastCalled = panels.lastIssued = QStringLiteral("0");
    return panels;
}

}  // namespace

class TestUpdateData : public QObject {
    Q_OBJECT
private slots:
    void countTextCapture_data();
    void countTextCapture();
    void captureTouchesOnlyShownEntries();
    void greyCheckBoxesChangeNothing();
    void unsendableValueRefusesOnlyItsImage_data();
    void unsendableValueRefusesOnlyItsImage();
    void textBeyond16BitsIsNotCaptured();
};

void TestUpdateData::countTextCapture_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("dataByte");
    QTest::newRow("MAX is 255") << "MAX" << 0xFF;
    QTest::newRow("max is not MAX") << "max" << 0;
    QTest::newRow("loaded with a blank") << " 12" << 12;
    QTest::newRow("no leading number") << "abc" << 0;
    QTest::newRow("254") << "254" << 254;
}

void TestUpdateData::countTextCapture()
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

void TestUpdateData::captureTouchesOnlyShownEntries()
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

void TestUpdateData::greyCheckBoxesChangeNothing()
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

void TestUpdateData::unsendableValueRefusesOnlyItsImage_data()
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

void TestUpdateData::unsendableValueRefusesOnlyItsImage()
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

void TestUpdateData::textBeyond16BitsIsNotCaptured()
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

QTEST_GUILESS_MAIN(TestUpdateData)
#include "tst_update_data.moc"
