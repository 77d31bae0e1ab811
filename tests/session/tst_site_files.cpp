// Another settings file opened into the running window's model: what the operator is told,
// and what the model holds afterwards. And the recent files the menu offers.
#include "config/recent_files.h"
#include "config/settings_backups.h"
#include "config/settings_file.h"
#include "scripted_dialogs.h"
#include "session/site_files.h"
#include "settings_folder.h"

#include <QtTest>

class TestSiteFiles : public QObject {
    Q_OBJECT
private slots:
    void openKeepsTheReadersRules_data();
    void openKeepsTheReadersRules();
    void recentFilesNewestFirst();
    void csvImportSaysWhatItChanged_data();
    void csvImportSaysWhatItChanged();
};

void TestSiteFiles::openKeepsTheReadersRules_data()
{
    QTest::addColumn<int>("cutAtLine");              // the file ends before this line; 0: whole
    QTest::addColumn<QByteArray>("lastCalledLine");  // line 147, the first group's last called number
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("told");
    QTest::addColumn<int>("startAfter");  // group 1's start, 7 in the file, 5 before
    QTest::addColumn<int>("lastCalledAfter");

    QTest::newRow("whole") << 0 << QByteArray(" 9") << true << QString() << 7 << 9;
    // After the faulty line, a fresh start's values: never the previous site's. The file as
    // found is kept first, as at start-up (%2: its copy).
    QTest::newRow("overflow: read up to the line")
        << 0 << QByteArray(" 40000") << true
        << "Dosya okuma fonksiyonu. Hata Kodu:  6\nDosya, bulunduğu hâliyle şuraya yedeklendi: %2" << 7 << 0;
    QTest::newRow("cut short: nothing") << 3000 << QByteArray(" 9") << false
                                        << "Hata kodu:62   Hatalı formatta dosya. %1 isimli dosyayı harddiskten "
                                           "silip tekrar deneyiniz\nHiçbir değer yüklenmedi."
                                        << 5 << 4;
    QTest::newRow("missing: nothing") << -1 << QByteArray(" 9") << false
                                      << "Hata kodu:53    %1 isimli dosya bulunamadı.\nHiçbir değer yüklenmedi." << 5
                                      << 4;
}

void TestSiteFiles::openKeepsTheReadersRules()
{
    QFETCH(int, cutAtLine);
    QFETCH(QByteArray, lastCalledLine);
    QFETCH(bool, loaded);
    QFETCH(QString, told);
    QFETCH(int, startAfter);
    QFETCH(int, lastCalledAfter);
    const SettingsFolder folder;
    Tanimlamalar site;
    site.GroupStart[0] = 7;
    QByteArrayList lines = settingsFileBytes(site).split('\n');
    lines[146] = lastCalledLine + '\r';
    if (cutAtLine > 0)
        lines = lines.mid(0, cutAtLine - 1);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.txt"));
    if (cutAtLine >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join('\n'));
    }

    Tanimlamalar model;
    model.GroupStart[0] = 5;
    model.GroupLastCalled[0] = 4;
    ScriptedDialogs dialogs;
    QCOMPARE(openSettingsFile(model, dialogs, path).has_value(), loaded);
    const QString copy = QDir::toNativeSeparators(backupsOf(path).value(0).path);
    QCOMPARE(dialogs.shown, told.isEmpty()
                                ? QStringList()
                                : QStringList{QString(told)
                                                  .replace(QStringLiteral("%1"), QDir::toNativeSeparators(path))
                                                  .replace(QStringLiteral("%2"), copy)});
    if (told.contains(QStringLiteral("%2")))
        QCOMPARE(QFile(copy).size(), QFileInfo(path).size());
    QCOMPARE(model.GroupStart[0], startAfter);
    QCOMPARE(model.GroupLastCalled[0], lastCalledAfter);
    QVERIFY2(!folder.fileBytes().contains("Zemra"), "the working file is not written by an open");
}

void TestSiteFiles::csvImportSaysWhatItChanged_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QString>("told");
    QTest::newRow("two values") << QByteArray(
                                       "Buton No;Durum;Başlangıç;Bitiş;Son Çağrılan;Son Bilet;Limit;Bilet Datası\n"
                                       "3;0;10;999;0;0;0;1\n")
                                << "CSV'den 2 değer alındı.";
    QTest::newRow("the same values") << QByteArray("Terminal;Sıra;Grup;Sayı\n5;1;0;0\n") << "CSV'den 0 değer alındı.";
}

void TestSiteFiles::csvImportSaysWhatItChanged()
{
    QFETCH(QByteArray, rows);
    QFETCH(QString, told);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(rows) == rows.size());
    file.close();
    Tanimlamalar model;
    ScriptedDialogs dialogs;
    QVERIFY(importSettingsCsv(model, dialogs, path));
    QCOMPARE(dialogs.shown, QStringList{told});
}

void TestSiteFiles::recentFilesNewestFirst()
{
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("son.txt"));
    QStringList made;
    for (int k = 1; k <= 7; ++k) {
        made << QDir::toNativeSeparators(dir.filePath(QStringLiteral("site%1.txt").arg(k)));
        QFile file(made.last());
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    for (const QString &path : made)
        rememberFile(path, store);
    rememberFile(made[4], store);  // again: moves to the front, not twice in the list
    QFile::remove(made[5]);        // gone: no longer offered
    QCOMPARE(recentFiles(store), (QStringList{made[4], made[6], made[3], made[2]}));
}

QTEST_GUILESS_MAIN(TestSiteFiles)
#include "tst_site_files.moc"
