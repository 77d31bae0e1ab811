// The port listing: which stable name leads to a device, and how one port reads as a line.
#include "ports/port_listing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestPortListing : public QObject {
    Q_OBJECT

private slots:
    void byIdNameFollowsTheLinks_data();
    void byIdNameFollowsTheLinks();
    void lineMarksUnknownFields();
    void adapterShowsItsLatency_data();
    void adapterShowsItsLatency();
};

// A folder laid out as udev lays out /dev: device nodes, and by-id links made relative.
void TestPortListing::byIdNameFollowsTheLinks_data()
{
    QTest::addColumn<QStringList>("links");  // "name>target", target relative to by-id
    QTest::addColumn<QString>("device");     // relative to the folder
    QTest::addColumn<QString>("expected");   // link name, or empty

    const QString ftdi = QStringLiteral("usb-FTDI_FT232R_A10KZ3XY-if00-port0");
    const QString prolific = QStringLiteral("usb-Prolific_PL2303-if00-port0");
    QTest::newRow("relative link, as udev makes it") << QStringList{ftdi + ">../ttyUSB0"} << "ttyUSB0" << ftdi;
    QTest::newRow("the link of the other adapter")
        << QStringList{ftdi + ">../ttyUSB0", prolific + ">../ttyUSB1"} << "ttyUSB1" << prolific;
    QTest::newRow("no link for a built-in port") << QStringList{ftdi + ">../ttyUSB0"} << "ttyS0" << QString();
    QTest::newRow("a device reached through a link of its own")
        << QStringList{ftdi + ">../ttyUSB0"} << "bilvex-com1" << ftdi;
    QTest::newRow("a dangling link is skipped")
        << QStringList{QStringLiteral("a-gone>../ttyUSB9"), ftdi + ">../ttyUSB0"} << "ttyUSB0" << ftdi;
    QTest::newRow("no by-id folder") << QStringList{} << "ttyUSB0" << QString();
}

void TestPortListing::byIdNameFollowsTheLinks()
{
    QFETCH(QStringList, links);
    QFETCH(QString, device);
    QFETCH(QString, expected);
    QTemporaryDir dev;
    for (const char *node : {"ttyUSB0", "ttyUSB1", "ttyS0"}) {
        QFile file(dev.filePath(QLatin1String(node)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(QStringLiteral("ttyUSB0"), dev.filePath(QStringLiteral("bilvex-com1"))));
    const QString byId = dev.filePath(QStringLiteral("by-id"));
    if (!links.isEmpty())
        QVERIFY(QDir().mkpath(byId));
    for (const QString &link : links) {
        const QStringList parts = link.split(QLatin1Char('>'));
        QVERIFY(::symlink(qPrintable(parts[1]), qPrintable(byId + QLatin1Char('/') + parts[0])) == 0);
    }

    const QString name = byIdName(dev.filePath(device), byId);
    QCOMPARE(name, expected.isEmpty() ? QString() : byId + QLatin1Char('/') + expected);
}

void TestPortListing::lineMarksUnknownFields()
{
    const PortDescription usb{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI"),
                              QStringLiteral("A10KZ3XY"),
                              QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A10KZ3XY-if00-port0")};
    QCOMPARE(portListingLine(usb), QStringLiteral("/dev/ttyUSB0\tFT232R USB UART\tFTDI\tA10KZ3XY\t"
                                                  "/dev/serial/by-id/usb-FTDI_FT232R_A10KZ3XY-if00-port0"));
    const PortDescription builtIn{QStringLiteral("/dev/ttyS0"), {}, {}, {}, {}};
    QCOMPARE(portListingLine(builtIn), QStringLiteral("/dev/ttyS0\t-\t-\t-\t-"));
}

void TestPortListing::adapterShowsItsLatency_data()
{
    QTest::addColumn<quint16>("vendor");
    QTest::addColumn<QByteArray>("latencyFile");  // empty: none
    QTest::addColumn<QString>("shown");           // the start of the picker's text
    QTest::addColumn<bool>("hinted");             // with the way to shorten it
    QTest::newRow("FTDI at its default") << quint16(0x0403) << QByteArray("16\n") << "FTDI, 16 ms gecikme" << true;
    QTest::newRow("FTDI set to 1 ms") << quint16(0x0403) << QByteArray("1\n") << "FTDI, 1 ms gecikme" << false;
    QTest::newRow("FTDI at 2 ms") << quint16(0x0403) << QByteArray("2") << "FTDI, 2 ms gecikme" << false;
    QTest::newRow("Prolific, no timer") << quint16(0x067B) << QByteArray() << "Prolific" << false;
    QTest::newRow("an unreadable value") << quint16(0x0403) << QByteArray("?") << "FTDI" << false;
    QTest::newRow("a chip not known here") << quint16(0x1234) << QByteArray() << "" << false;
}

// The driver's own value, read where Linux shows it for the device the port leads to.
void TestPortListing::adapterShowsItsLatency()
{
    QFETCH(quint16, vendor);
    QFETCH(QByteArray, latencyFile);
    QFETCH(QString, shown);
    QFETCH(bool, hinted);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("dev")) && QDir(root.path()).mkpath(QStringLiteral("sys/ttyUSB3")));
    QFile node(root.filePath(QStringLiteral("dev/ttyUSB3")));
    QVERIFY(node.open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(node.fileName(), root.filePath(QStringLiteral("dev/com1"))));
    if (!latencyFile.isEmpty()) {
        QFile value(root.filePath(QStringLiteral("sys/ttyUSB3/latency_timer")));
        QVERIFY(value.open(QIODevice::WriteOnly));
        value.write(latencyFile);
    }
    PortDescription port;
    port.chipMaker = chipMakerOf(vendor);
    port.latencyTimerMs =
        latencyTimerOf(root.filePath(QStringLiteral("dev/com1")), root.filePath(QStringLiteral("sys")));
    const QString text = adapterText(port);
    QVERIFY2(text.left(shown.size()) == shown, qPrintable(text));
    QCOMPARE(text.contains(QStringLiteral("latency_timer")), hinted);
}

QTEST_GUILESS_MAIN(TestPortListing)
#include "tst_port_listing.moc"
