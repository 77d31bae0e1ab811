// The port picker without its dialog: the rows it shows and the link that choosing a port
// makes for COM n.
#include "ports/port_choice.h"
#include "ports/port_mapping.h"
#include "ports/port_messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestPortChoice : public QObject {
    Q_OBJECT

private slots:
    void init();
    void rowsTellAccessAndTodaysPort_data();
    void rowsTellAccessAndTodaysPort();
    void choosingMapsComN_data();
    void choosingMapsComN();

private:
    QString path(const QString &name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestPortChoice::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QDir(dir_->path()).mkpath(QStringLiteral("dev/by-id"));
    QDir(dir_->path()).mkpath(QStringLiteral("config"));
    for (const char *device : {"dev/ttyUSB0", "dev/ttyUSB1"}) {
        QFile node(path(QLatin1String(device)));
        QVERIFY(node.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(QStringLiteral("../ttyUSB0"), path(QStringLiteral("dev/by-id/usb-FTDI_A10KZ3XY"))));
    QVERIFY(QFile::link(QStringLiteral("../ttyUSB1"), path(QStringLiteral("dev/by-id/usb-FTDI_B20QW7ZZ"))));
}

void TestPortChoice::rowsTellAccessAndTodaysPort_data()
{
    QTest::addColumn<QString>("today");  // what COM1 leads to, relative to the folder
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("COM1 names the second adapter by its by-id link")
        << "dev/by-id/usb-FTDI_B20QW7ZZ" << QStringList{"kullanılabilir|", "kullanımda|COM1"};
    QTest::newRow("COM1 names the first adapter's device")
        << "dev/ttyUSB0" << QStringList{"kullanılabilir|COM1", "kullanımda|"};
    QTest::newRow("COM1 names a port that is not there")
        << "dev/ttyS0" << QStringList{"kullanılabilir|", "kullanımda|"};
}

// Two adapters of one model, told apart by their serial numbers; the second one is held by
// another program.
void TestPortChoice::rowsTellAccessAndTodaysPort()
{
    QFETCH(QString, today);
    QFETCH(QStringList, expected);
    const QList<PortDescription> ports{
        {path("dev/ttyUSB0"), "FT232R USB UART", "FTDI", "A10KZ3XY", path("dev/by-id/usb-FTDI_A10KZ3XY")},
        {path("dev/ttyUSB1"), "FT232R USB UART", "FTDI", "B20QW7ZZ", path("dev/by-id/usb-FTDI_B20QW7ZZ")}};
    const auto probe = [&](const QString &device) {
        return device == ports[1].device ? PortAccess::InUse : PortAccess::Available;
    };

    QStringList shown;
    for (const PortRow &row : portRows(ports, probe, {QStringLiteral("COM1"), path(today)}))
        shown << portAccessText(row.access) + QLatin1Char('|') + row.mappedAs;
    QCOMPARE(shown, expected);
    QVERIFY(portRows({}, probe, {}).isEmpty());
    QCOMPARE(portAccessText(PortAccess::NoPermission),
             QStringLiteral("erişim izni yok — kullanıcıyı dialout grubuna ekleyin"));
}

void TestPortChoice::choosingMapsComN_data()
{
    QTest::addColumn<QString>("portText");
    QTest::addColumn<QString>("device");  // the chosen port, relative to the folder
    // what stands at config/ports/com3 before: "", "link", "file"; or is made on the way
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("linkTarget");  // where com3 leads afterwards; empty: nothing changed
    QTest::addColumn<QString>("message");

    QTest::newRow("adapter with a by-id name") << "3"
                                               << "dev/ttyUSB1"
                                               << ""
                                               << "dev/by-id/usb-FTDI_B20QW7ZZ" << QString();
    QTest::newRow("an old link is replaced") << " 3"
                                             << "dev/ttyUSB1"
                                             << "link"
                                             << "dev/by-id/usb-FTDI_B20QW7ZZ" << QString();
    QTest::newRow("port without a by-id name") << "3"
                                               << "dev/ttyS0"
                                               << ""
                                               << "dev/ttyS0" << QString();
    QTest::newRow("port text of letters") << "abc"
                                          << "dev/ttyUSB1"
                                          << ""
                                          << "" << pickerNeedsPortNumberMessage();
    QTest::newRow("port text beyond 255") << "300"
                                          << "dev/ttyUSB1"
                                          << ""
                                          << "" << pickerNeedsPortNumberMessage();
    QTest::newRow("port gone since the listing") << "3"
                                                 << "dev/ttyUSB7"
                                                 << ""
                                                 << "" << pickedPortGoneMessage(QStringLiteral("@dev/ttyUSB7"));
    QTest::newRow("com3 is a file of the installer's")
        << "3"
        << "dev/ttyUSB1"
        << "file"
        << "" << portLinkNotLinkMessage(QStringLiteral("@config/ports/com3"));
    QTest::newRow("com3 made a file of while the picker was open")
        << "3"
        << "dev/ttyUSB1"
        << "file after the plan"
        << "" << portLinkNotLinkMessage(QStringLiteral("@config/ports/com3"));
    QTest::newRow("a half-made com3.yeni is removed, and said")
        << "3"
        << "dev/ttyUSB1"
        << "stale new link"
        << "dev/by-id/usb-FTDI_B20QW7ZZ" << staleNewLinkRemovedMessage(QStringLiteral("@config/ports/com3.yeni"));
    QTest::newRow("ports is a file") << "3"
                                     << "dev/ttyUSB1"
                                     << "ports file"
                                     << "" << portsFolderNotFolderMessage(QStringLiteral("@config/ports"));
}

void TestPortChoice::choosingMapsComN()
{
    QFETCH(QString, portText);
    QFETCH(QString, device);
    QFETCH(QString, existing);
    QFETCH(QString, linkTarget);
    QFETCH(QString, message);
    const QString ports = path(QStringLiteral("config/ports"));
    const QString link = ports + QStringLiteral("/com3");
    if (existing == QLatin1String("ports file")) {
        QFile file(ports);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (!existing.isEmpty()) {
        QDir().mkpath(ports);
        if (existing == QLatin1String("link"))
            QVERIFY(QFile::link(path(QStringLiteral("dev/ttyUSB0")), link));
        else if (existing == QLatin1String("file"))
            QVERIFY(QFile(link).open(QIODevice::WriteOnly));
    }
    if (device == QLatin1String("dev/ttyS0"))
        QVERIFY(QFile(path(device)).open(QIODevice::WriteOnly));
    const QString chosen = path(device);
    const PortDescription port{chosen, {}, {}, {}, byIdName(chosen, path(QStringLiteral("dev/by-id")))};

    const MappingPlan plan = planMapping(port, portText, ports);
    if (existing == QLatin1String("file after the plan"))
        QVERIFY(QFile(link).open(QIODevice::WriteOnly));
    if (existing == QLatin1String("stale new link"))
        QVERIFY(QFile::link(path(QStringLiteral("dev/ttyUSB0")), link + QStringLiteral(".yeni")));
    const MappingOutcome outcome = plan.mapping ? applyMapping(*plan.mapping) : MappingOutcome{false, plan.refusal};
    const QString failure = outcome.message;

    QCOMPARE(failure, QString(message).replace(QLatin1Char('@'), dir_->path() + QLatin1Char('/')));
    const QFileInfo after(link);
    QCOMPARE(outcome.applied, !linkTarget.isEmpty());
    if (linkTarget.isEmpty()) {
        QCOMPARE(after.isSymLink(), existing == QLatin1String("link"));
        QCOMPARE(after.isFile() && !after.isSymLink(), existing.startsWith(QLatin1String("file")));
    } else {
        QVERIFY(after.isSymLink());
        QCOMPARE(after.symLinkTarget(), path(linkTarget));
        QCOMPARE(plan.mapping->portText, portText);
    }
    QVERIFY(!QFileInfo::exists(link + QStringLiteral(".yeni")));
}

QTEST_GUILESS_MAIN(TestPortChoice)
#include "tst_port_choice.moc"
