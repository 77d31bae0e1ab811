#include "config/settings_file.h"

#include <QtTest>

#include <thread>
#include <windows.h>

// A virus scanner or a sync client opens a file it has just seen without sharing it, for
// moments. A save in that moment waits for the file instead of failing at once.
class TestHeldFileWin : public QObject {
    Q_OBJECT
private slots:
    void saveWaitsForTheHolder_data();
    void saveWaitsForTheHolder();
};

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

Tanimlamalar modelWithStart(int start)
{
    Tanimlamalar model;
    model.GroupStart[0] = qint16(start);
    return model;
}

}  // namespace

void TestHeldFileWin::saveWaitsForTheHolder_data()
{
    QTest::addColumn<int>("holdMs");
    QTest::addColumn<bool>("saved");
    QTest::newRow("let go within two seconds") << 700 << true;
    QTest::newRow("held longer") << 4000 << false;
}

void TestHeldFileWin::saveWaitsForTheHolder()
{
    QFETCH(int, holdMs);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("site.txt"));
    QCOMPARE(saveSettingsFile(modelWithStart(1), path), int(SettingsError::None));
    const QByteArray before = contentOf(path);

    const HANDLE held = CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                                    GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    QVERIFY(held != INVALID_HANDLE_VALUE);
    std::thread holder([held, holdMs] {
        Sleep(DWORD(holdMs));
        CloseHandle(held);
    });
    QElapsedTimer clock;
    clock.start();
    const int result = saveSettingsFile(modelWithStart(2), path);
    const qint64 waited = clock.elapsed();
    holder.join();

    QCOMPARE(result == SettingsError::None, saved);
    QCOMPARE(contentOf(path) == before, !saved);
    QVERIFY2(waited >= qMin(holdMs, 2000) - 100 && waited < 3000, qPrintable(QString::number(waited)));
}

QTEST_GUILESS_MAIN(TestHeldFileWin)
#include "tst_held_file_win.moc"
