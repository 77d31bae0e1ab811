#include "config/recent_files.h"

#include <QtTest>

// "Son Dosyalar" leaves out a local file that is gone, but offers a file on a network share
// without looking: a share whose server is gone would hold the menu for half a minute.
class TestRecentFilesWin : public QObject {
    Q_OBJECT
private slots:
    void offered_data();
    void offered();
};

void TestRecentFilesWin::offered_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("offered");
    QTest::newRow("local, gone") << QStringLiteral("C:\\no-such-folder\\site.txt") << false;
    QTest::newRow("share") << QStringLiteral("\\\\no-such-server\\share\\site.txt") << true;
    QTest::newRow("share, other slashes") << QStringLiteral("//no-such-server/share/site.txt") << true;
}

void TestRecentFilesWin::offered()
{
    QFETCH(QString, path);
    QFETCH(bool, offered);
    QTemporaryDir folder;
    const QString store = folder.filePath(QStringLiteral("son-dosyalar.txt"));
    QFile file(store);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(path.toUtf8() + '\n');
    file.close();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(recentFiles(store).contains(path), offered);
    QVERIFY(clock.elapsed() < 2000);
}

QTEST_GUILESS_MAIN(TestRecentFilesWin)
#include "tst_recent_files_win.moc"
