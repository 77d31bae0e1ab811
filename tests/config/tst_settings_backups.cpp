// The copies a save keeps of the file it replaces: one per change, equal to what was replaced,
// in the order of the saves, the newest 30 only.
#include "settings_backups.h"
#include "settings_file.h"
#include "settings_folder.h"

#include <QDir>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

// Oldest first, as a folder listing sorted by name shows them.
QStringList backupsIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace

class TestSettingsBackups : public QObject {
    Q_OBJECT
private slots:
    void eachChangingSaveKeepsWhatItReplaced();
    void theNewestThirtyStay();
};

void TestSettingsBackups::eachChangingSaveKeepsWhatItReplaced()
{
    const SettingsFolder folder;
    Tanimlamalar model;
    QCOMPARE(saveSettingsFile(model), SettingsError::None);  // a new file replaces nothing
    QByteArrayList replaced;
    for (int start : {10, 20, 20, 30}) {
        replaced << folder.fileBytes();
        model.GroupStart[4] = int16_t(start);
        QCOMPARE(saveSettingsFile(model), SettingsError::None);
    }
    replaced.removeAt(2);  // the save of 20 over 20 changed nothing
    const QString backups = backupsFolder();
    const QStringList names = backupsIn(backups);
    QCOMPARE(names.size(), 3);
    static const QRegularExpression dated(
        QStringLiteral("^ZEMRA_Bilvex_Polynet_Ver_3_04-\\d{4}-\\d\\d-\\d\\d-\\d{6}(_\\d)?\\.txt$"));
    for (qsizetype k = 0; k < names.size(); ++k) {
        QVERIFY2(dated.match(names.at(k)).hasMatch(), qPrintable(names.at(k)));
        QCOMPARE(bytesOf(backups + QLatin1Char('/') + names.at(k)), replaced.at(k));
    }
}

void TestSettingsBackups::theNewestThirtyStay()
{
    const SettingsFolder folder;
    const QString backups = backupsFolder();
    const QDateTime first(QDate(2026, 12, 8), QTime(14, 15, 2));
    for (int k = 0; k < 31; ++k) {
        folder.writeFile(QByteArray::number(k));
        QVERIFY(!keepBackup(folder.settingsFile(), backups, first.addSecs(k)).path.isEmpty());
    }
    const QStringList names = backupsIn(backups);
    QCOMPARE(names.size(), 30);
    QCOMPARE(names.first(), QStringLiteral("ZEMRA_Bilvex_Polynet_Ver_3_04-2026-12-08-141503.txt"));
    QCOMPARE(bytesOf(backups + QLatin1Char('/') + names.first()), QByteArray("1"));
    QCOMPARE(bytesOf(backups + QLatin1Char('/') + names.last()), QByteArray("30"));
}

QTEST_GUILESS_MAIN(TestSettingsBackups)
#include "tst_settings_backups.moc"
