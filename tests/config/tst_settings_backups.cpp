// The copies a save keeps of the file it replaces: one per change, equal to what was replaced,
// each settings file in a folder of its own, newest first by the order they were made, the
// newest 30 only.
#include "config/settings_backups.h"
#include "config/settings_file.h"
#include "settings_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

QByteArrayList contentsOf(const QList<BackupCopy> &copies)
{
    QByteArrayList contents;
    for (const BackupCopy &copy : copies)
        contents << bytesOf(copy.path);
    return contents;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class TestSettingsBackups : public QObject {
    Q_OBJECT
private slots:
    void eachChangingSaveKeepsWhatItReplaced();
    void theNewestThirtyStayWhateverTheClock_data();
    void theNewestThirtyStayWhateverTheClock();
    void filesOfOneNameKeepApart();
    void unsavedValuesAreTheNewestCopy();
};

void TestSettingsBackups::eachChangingSaveKeepsWhatItReplaced()
{
    const SettingsFolder folder;
    Tanimlamalar model;
    QCOMPARE(saveSettingsFile(model), SettingsError::None);  // a new file replaces nothing
    QByteArrayList replaced;
    for (int start : {10, 20, 20, 30}) {
        replaced.prepend(folder.fileBytes());
        model.GroupStart[4] = int16_t(start);
        QCOMPARE(saveSettingsFile(model), SettingsError::None);
    }
    replaced.removeAt(1);  // the save of 20 over 20 changed nothing
    const QList<BackupCopy> copies = backupsOf(folder.settingsFile());
    QCOMPARE(contentsOf(copies), replaced);
    static const QRegularExpression named(
        QStringLiteral("/ZEMRA_Bilvex_Polynet_Ver_3_04-[0-9a-f]{8}/"
                       "ZEMRA_Bilvex_Polynet_Ver_3_04-00000\\d-\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.txt$"));
    for (const BackupCopy &copy : copies)
        QVERIFY2(named.match(QDir::fromNativeSeparators(copy.path)).hasMatch(), qPrintable(copy.path));
}

void TestSettingsBackups::theNewestThirtyStayWhateverTheClock_data()
{
    QTest::addColumn<int>("stepSeconds");
    QTest::addColumn<int>("setBackAfter");  // copies made before the clock goes back a day
    QTest::newRow("a save a second") << 1 << 0;
    QTest::newRow("all in one second") << 0 << 0;
    QTest::newRow("clock set back a day after 29 copies") << 60 << 29;
    QTest::newRow("clock set back a day after 30 copies") << 60 << 30;
}

void TestSettingsBackups::theNewestThirtyStayWhateverTheClock()
{
    QFETCH(int, stepSeconds);
    QFETCH(int, setBackAfter);
    const SettingsFolder folder;
    QDateTime clock(QDate(2026, 12, 8), QTime(14, 15, 2));
    for (int k = 0; k < 35; ++k) {
        if (setBackAfter > 0 && k == setBackAfter)
            clock = clock.addDays(-1);
        folder.writeFile(QByteArray::number(k));
        const Backup backup = keepBackup(folder.settingsFile(), backupsFolder(), clock);
        QVERIFY(!backup.path.isEmpty());
        QCOMPARE(bytesOf(backup.path), QByteArray::number(k));  // the copy just made is never the one dropped
        clock = clock.addSecs(stepSeconds);
    }
    QByteArrayList newestFirst;
    for (int k = 34; k >= 5; --k)
        newestFirst << QByteArray::number(k);
    QCOMPARE(contentsOf(backupsOf(folder.settingsFile())), newestFirst);
}

void TestSettingsBackups::filesOfOneNameKeepApart()
{
    const SettingsFolder folder;
    const QTemporaryDir sites;
    const QString first = sites.filePath(QStringLiteral("site.txt"));
    QVERIFY(QDir().mkpath(sites.filePath(QStringLiteral("ikinci"))));
    const QString second = sites.filePath(QStringLiteral("ikinci/site.txt"));
    writeFile(first, "birinci");
    writeFile(second, "ikinci");
    QVERIFY(!keepBackup(first).path.isEmpty());
    QVERIFY(!keepBackup(second).path.isEmpty());
    QVERIFY(backupFolderOf(first) != backupFolderOf(second));
    QVERIFY(QFileInfo(backupFolderOf(first)).fileName().startsWith(QStringLiteral("site-")));
    QCOMPARE(contentsOf(backupsOf(first)), QByteArrayList{"birinci"});
    QCOMPARE(contentsOf(backupsOf(second)), QByteArrayList{"ikinci"});
}

void TestSettingsBackups::unsavedValuesAreTheNewestCopy()
{
    const SettingsFolder folder;
    folder.writeFile("kaydedilen");
    QVERIFY(!keepBackup(folder.settingsFile()).path.isEmpty());
    QVERIFY(!keepUnsavedCopy(folder.settingsFile(), "kaydedilmeyen").path.isEmpty());
    const QList<BackupCopy> copies = backupsOf(folder.settingsFile());
    QCOMPARE(contentsOf(copies), (QByteArrayList{"kaydedilmeyen", "kaydedilen"}));
    QVERIFY(copies.at(0).unsaved && !copies.at(1).unsaved);
    QVERIFY(QFileInfo(copies.at(0).path).fileName().contains(QStringLiteral("-kaydedilmemis-")));
    QCOMPARE(bytesOf(folder.settingsFile()), QByteArray("kaydedilen"));
}

QTEST_GUILESS_MAIN(TestSettingsBackups)
#include "tst_settings_backups.moc"
