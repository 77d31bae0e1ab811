#include "port_choice.h"

#include <QtTest>

// Windows names a port by its COM number: choosing one puts the number into the COM port box.
class TestPortMappingWin : public QObject {
    Q_OBJECT
private slots:
    void choosingAPortSetsItsNumber_data();
    void choosingAPortSetsItsNumber();
};

void TestPortMappingWin::choosingAPortSetsItsNumber_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("portText");  // empty: refused
    QTest::newRow("COM3") << "COM3"
                          << "3";
    QTest::newRow("lower case, two digits") << "com12"
                                            << "12";
    QTest::newRow("the highest the box takes") << "COM255"
                                               << "255";
    QTest::newRow("beyond it") << "COM256"
                               << "";
    QTest::newRow("the system's own location") << "\\\\.\\COM3"
                                               << "";
}

void TestPortMappingWin::choosingAPortSetsItsNumber()
{
    QFETCH(QString, device);
    QFETCH(QString, portText);
    const MappingPlan plan = planMapping(PortDescription{device, {}, {}, {}, {}}, QStringLiteral("1"), {});
    QCOMPARE(plan.mapping.has_value(), !portText.isEmpty());
    if (plan.mapping) {
        QCOMPARE(plan.mapping->portText, portText);
        QVERIFY(applyMapping(*plan.mapping).applied);
    } else {
        QCOMPARE(plan.refusal, pickedPortGoneMessage(device));
    }
}

QTEST_GUILESS_MAIN(TestPortMappingWin)
#include "tst_port_mapping_win.moc"
