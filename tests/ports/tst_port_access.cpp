#include "ports/port_access_unix.h"

#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

// The picker tells a port's access without opening it: an open raises DTR and RTS, which
// resets many devices. A pseudo-terminal stands for the device: an open would set its line
// to 9600 baud, raw.
class TestPortAccess : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void accessIsToldWithoutOpening_data();
    void accessIsToldWithoutOpening();

private:
    termios lineSettings() const;
    int master_ = -1;
    int slave_ = -1;
    QString device_;
    termios before_{};
};

void TestPortAccess::init()
{
    std::array<char, 256> name{};
    QVERIFY(::openpty(&master_, &slave_, name.data(), nullptr, nullptr) == 0);
    device_ = QString::fromLocal8Bit(name.data());
    termios cooked = lineSettings();
    cfsetspeed(&cooked, B38400);
    QVERIFY(::tcsetattr(slave_, TCSANOW, &cooked) == 0);
    before_ = lineSettings();
}

void TestPortAccess::cleanup()
{
    ::close(slave_);
    ::close(master_);
    slave_ = master_ = -1;
}

termios TestPortAccess::lineSettings() const
{
    termios settings{};
    ::tcgetattr(slave_, &settings);
    return settings;
}

void TestPortAccess::accessIsToldWithoutOpening_data()
{
    QTest::addColumn<QString>("lock");  // "", "live", "live by-id", "stale"
    QTest::addColumn<int>("access");
    QTest::addColumn<bool>("lockOfOtherUser");  // the lock file belongs to another user
    QTest::addColumn<bool>("leftBehind");       // a lock this user can neither use nor remove
    QTest::newRow("no lock file") << "" << int(PortAccess::Available) << false << false;
    QTest::newRow("locked by a running program") << "live" << int(PortAccess::InUse) << false << false;
    QTest::newRow("locked under the by-id name it was opened by")
        << "live by-id" << int(PortAccess::InUse) << false << false;
    QTest::newRow("the locking program has ended") << "stale" << int(PortAccess::Available) << false << false;
    QTest::newRow("another user's program, running") << "live" << int(PortAccess::InUse) << true << false;
    QTest::newRow("another user's program, ended") << "stale" << int(PortAccess::Available) << true << true;
}

void TestPortAccess::accessIsToldWithoutOpening()
{
    QFETCH(QString, lock);
    QFETCH(int, access);
    QFETCH(bool, lockOfOtherUser);
    QFETCH(bool, leftBehind);
    QTemporaryDir folder;
    const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_A10KZ3XY");
    const QString lockedName = lock.endsWith(QLatin1String("by-id")) ? byId : device_;
    QString lockFile = lockedName.mid(5).replace(QLatin1Char('/'), QLatin1Char('_'));
    lockFile = folder.filePath(QStringLiteral("LCK..") + lockFile);
    QLockFile held(lockFile);
    if (lock.startsWith(QLatin1String("live")))
        QVERIFY(held.tryLock());
    if (lock == QLatin1String("stale")) {
        // Its id is taken while it runs: once it has ended QProcess says 0.
        QProcess ended;
        ended.start(QStringLiteral("true"));
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        QFile file(lockFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(pid) + "\nbilvex-config\n" + QSysInfo::machineHostName().toUtf8());
    }
    const uint owner = QFileInfo(lockFile).ownerId();

    QCOMPARE(int(portAccessFrom(device_, {byId}, {folder.path()})), access);
    const QString left = lockLeftByOtherUser(device_, {byId}, {folder.path()}, lockOfOtherUser ? owner + 1 : owner);
    QCOMPARE(left, leftBehind ? lockFile : QString());
    QCOMPARE(int(probePortAccess(device_)), int(PortAccess::Available));  // the machine's own lock folders
    const termios after = lineSettings();
    QCOMPARE(cfgetospeed(&after), cfgetospeed(&before_));
    QCOMPARE(after.c_lflag, before_.c_lflag);
}

QTEST_GUILESS_MAIN(TestPortAccess)
#include "tst_port_access.moc"
