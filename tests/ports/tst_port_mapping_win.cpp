#include "ports/port_mapping.h"
#include "ports/port_messages.h"
#include "ports/port_names.h"

#include <QtTest>

// Windows names a port by its COM number: choosing one puts the number into the COM port box.
class TestPortMappingWin : public QObject {
    Q_OBJECT
private slots:
    void choosingAPortSetsItsNumber_data();
    void choosingAPortSetsItsNumber();
    void typedNamesReachThePort_data();
    void typedNamesReachThePort();
};

void TestPortMappingWin::typedNamesReachThePort_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("device");
    QTest::newRow("lower case") << "com12"
                                << "COM12";
    QTest::newRow("mixed case") << "Com3"
                                << "COM3";
    QTest::newRow("upper case") << "COM4"
                                << "COM4";
    QTest::newRow("the system's own location") << "\\\\.\\COM3"
                                               << "\\\\.\\COM3";
}

// bilvex-send --port com12 opens COM12: Qt finds a port by its upper-case name only.
void TestPortMappingWin::typedNamesReachThePort()
{
    QFETCH(QString, typed);
    QFETCH(QString, device);
    QCOMPARE(givenDeviceName(typed), device);
}

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
        QCOMPARE(plan.refusal, pickedPortNotNumberedMessage(device));
    }
}

QTEST_GUILESS_MAIN(TestPortMappingWin)
#include "tst_port_mapping_win.moc"
