#include "ports/port_listing.h"

#include <QSettings>
#include <QtTest>

// FTDI's driver keeps each adapter's latency timer in its registry key, beside the COM name
// it gave the port; the picker reads it there without administrator rights. The key is
// planted here as the driver would write it (under Wine, in the build's own prefix).
class TestPortLatencyWin : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void latencyIsReadForItsPort_data();
    void latencyIsReadForItsPort();
};

namespace {

const QString kAdapter =
    QStringLiteral("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\FTDIBUS\\VID_0403+PID_6001+A10KZ3XYA");

}  // namespace

void TestPortLatencyWin::initTestCase()
{
    QSettings adapter(kAdapter, QSettings::NativeFormat);
    adapter.setValue(QStringLiteral("0000/Device Parameters/PortName"), QStringLiteral("COM7"));
    adapter.setValue(QStringLiteral("0000/Device Parameters/LatencyTimer"), 16);
    adapter.setValue(QStringLiteral("0001/Device Parameters/PortName"), QStringLiteral("COM9"));
    adapter.setValue(QStringLiteral("0001/Device Parameters/LatencyTimer"), 1);
    adapter.sync();
    QCOMPARE(adapter.status(), QSettings::NoError);
}

void TestPortLatencyWin::cleanupTestCase()
{
    QSettings(kAdapter, QSettings::NativeFormat).clear();
}

void TestPortLatencyWin::latencyIsReadForItsPort_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("latencyMs");
    QTest::newRow("at FTDI's default") << "COM7" << 16;
    QTest::newRow("set to 1 ms") << "COM9" << 1;
    QTest::newRow("named in lower case") << "com7" << 16;
    QTest::newRow("not an FTDI port") << "COM1" << -1;
}

void TestPortLatencyWin::latencyIsReadForItsPort()
{
    QFETCH(QString, port);
    QFETCH(int, latencyMs);
    QCOMPARE(latencyTimerOf(port), latencyMs);
}

QTEST_GUILESS_MAIN(TestPortLatencyWin)
#include "tst_port_latency_win.moc"
