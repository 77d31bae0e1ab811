// What filling the panels from the model shows: count texts, the check boxes' flags, and
// selectors that cannot show a stored value.
#include "panels/panel_load.h"

#include <QtTest>

class TestPanelLoad : public QObject {
    Q_OBJECT

private slots:
    void countText_data();
    void countText();
    void groupLoadFlags_data();
    void groupLoadFlags();
    void selectorCannotShowOutOfRangeValues_data();
    void selectorCannotShowOutOfRangeValues();
};

void TestPanelLoad::countText_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");

    QTest::newRow("0 with a leading blank") << 0 << " 0";
    QTest::newRow("12 with a leading blank") << 12 << " 12";
    QTest::newRow("255 is MAX") << 255 << "MAX";
    QTest::newRow("254 is a number") << 254 << " 254";
    QTest::newRow("negative from a hand-edited file") << -3 << "-3";
    QTest::newRow("300 from a hand-edited file") << 300 << " 300";
}

void TestPanelLoad::countText()
{
    QFETCH(int, count);
    QFETCH(QString, text);
    QCOMPARE(::countText(int16_t(count)), text);
}

void TestPanelLoad::groupLoadFlags_data()
{
    QTest::addColumn<int>("enable");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("enabledShown");  // -1: the check box keeps its state
    QTest::addColumn<int>("limitShown");

    QTest::newRow("enabled, limit on") << 100 << 1 << 1 << 1;
    QTest::newRow("disabled, limit off") << 0 << 0 << 0 << 0;
    QTest::newRow("enable 7 and limit 2 keep the boxes") << 7 << 2 << -1 << -1;
    QTest::newRow("enable 1 is not enabled") << 1 << 0 << -1 << 0;
}

void TestPanelLoad::groupLoadFlags()
{
    QFETCH(int, enable);
    QFETCH(int, limit);
    QFETCH(int, enabledShown);
    QFETCH(int, limitShown);
    Tanimlamalar model;
    model.GroupEnable[4] = int16_t(enable);
    model.GroupLimit[4] = int16_t(limit);
    const GroupLoad load = groupLoad(model, 4);
    QCOMPARE(load.enabled ? int(*load.enabled) : -1, enabledShown);
    QCOMPARE(load.limit ? int(*load.limit) : -1, limitShown);
}

void TestPanelLoad::selectorCannotShowOutOfRangeValues_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("layoutPosition");
    QTest::addColumn<int>("slotPosition");

    QTest::newRow("first entries") << 0 << 0 << 0;
    QTest::newRow("last entries") << 15 << 15 << 15;
    QTest::newRow("16. Buton is the last slot entry") << 16 << -1 << 16;
    QTest::newRow("layout 20 and group 20 cannot be shown") << 20 << -1 << -1;
    QTest::newRow("group 40 cannot be shown") << 40 << -1 << -1;
    QTest::newRow("negative cannot be shown") << -1 << -1 << -1;
}

void TestPanelLoad::selectorCannotShowOutOfRangeValues()
{
    QFETCH(int, stored);
    QFETCH(int, layoutPosition);
    QFETCH(int, slotPosition);
    Tanimlamalar model;
    model.GroupLayout[0] = int16_t(stored);
    model.PriorityGroup[2][3] = int16_t(stored);
    QCOMPARE(groupLoad(model, 0).layoutPosition, layoutPosition);
    QCOMPARE(terminalLoad(model, 2)[3].position, slotPosition);
}

QTEST_GUILESS_MAIN(TestPanelLoad)
#include "tst_panel_load.moc"
