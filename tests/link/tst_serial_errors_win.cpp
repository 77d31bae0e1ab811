#include "link/serial_port_system.h"

#include <QtTest>

// After a failed wait or read Qt (6.4) reads no further on Windows, whatever the driver's
// code: every error it reports that way must end the transfer as a lost line. Each row is
// a code a pulled adapter gives, with the error Qt's table turns it into.
class TestSerialErrorsWin : public QObject {
    Q_OBJECT
private slots:
    void decidesWhetherTheLineIsLost_data();
    void decidesWhetherTheLineIsLost();
};

void TestSerialErrorsWin::decidesWhetherTheLineIsLost_data()
{
    QTest::addColumn<int>("reported");
    QTest::addColumn<bool>("lost");
    QTest::newRow("5 access denied") << int(QSerialPort::PermissionError) << true;
    QTest::newRow("5 at a read start") << int(QSerialPort::ResourceError) << true;
    QTest::newRow("2 file not found") << int(QSerialPort::DeviceNotFoundError) << true;
    QTest::newRow("21 not ready") << int(QSerialPort::UnknownError) << true;
    QTest::newRow("31 device failure") << int(QSerialPort::UnknownError) << true;
    QTest::newRow("1167 device not connected") << int(QSerialPort::UnknownError) << true;
    QTest::newRow("22 bad command") << int(QSerialPort::ResourceError) << true;
    QTest::newRow("995 aborted") << int(QSerialPort::ResourceError) << true;
    QTest::newRow("a failed read start") << int(QSerialPort::ReadError) << true;
    QTest::newRow("a failed write") << int(QSerialPort::WriteError) << true;
    QTest::newRow("a wait that timed out") << int(QSerialPort::TimeoutError) << false;
    QTest::newRow("a setting the driver refuses") << int(QSerialPort::UnsupportedOperationError) << false;
}

void TestSerialErrorsWin::decidesWhetherTheLineIsLost()
{
    QFETCH(int, reported);
    QFETCH(bool, lost);
    QSerialPort port;
    QCOMPARE(serialSystem::lineDropped(port, QSerialPort::SerialPortError(reported)), lost);
}

QTEST_GUILESS_MAIN(TestSerialErrorsWin)
#include "tst_serial_errors_win.moc"
