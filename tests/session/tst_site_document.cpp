// The site as a document: modified by comparison with the open file, saves that write the
// open file, and the history of steps with their names, merges and limits.
#include "config/settings_file.h"
#include "scripted_dialogs.h"
#include "session/site_document.h"
#include "session/site_history.h"
#include "session/step_names.h"
#include "settings_folder.h"

#include <QtTest>

#include <memory>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestSiteDocument : public QObject {
    Q_OBJECT
private slots:
    void modifiedIsAComparison_data();
    void modifiedIsAComparison();
    void savesWriteTheOpenFile();
    void stepsAreNamedAfterWhatChanged_data();
    void stepsAreNamedAfterWhatChanged();
    void stepperClicksMerge_data();
    void stepperClicksMerge();
    void historyKeepsItsLimit();
    void outputIsRefusedOverSettingsFiles_data();
    void outputIsRefusedOverSettingsFiles();
};

void TestSiteDocument::modifiedIsAComparison_data()
{
    // Each letter one action: e edit group 1's start, b the edit typed back, c the COM text,
    // k the clock chip, s save, u undo, r redo.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<bool>("modified");
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("an edit") << "e" << true;
    QTest::newRow("an edit typed back") << "eb" << false;
    QTest::newRow("the COM port text") << "c" << true;
    QTest::newRow("the clock chip") << "k" << true;
    QTest::newRow("saved") << "es" << false;
    QTest::newRow("undone") << "eu" << false;
    QTest::newRow("undone past a save") << "esu" << true;
    QTest::newRow("undone past a save and redone") << "esur" << false;
}

void TestSiteDocument::modifiedIsAComparison()
{
    QFETCH(QString, actions);
    QFETCH(bool, modified);
    const SettingsFolder folder;
    const auto model = std::make_unique<Tanimlamalar>();
    ScriptedDialogs dialogs;
    SiteDocument document(*model, dialogs);
    document.readAtStart();
    document.startHistory();
    for (const QChar action : actions) {
        switch (action.toLatin1()) {
        case 'e':
            model->GroupStart[0] = 5;
            break;
        case 'b':
            model->GroupStart[0] = 0;
            break;
        case 'c':
            model->Text4 = QStringLiteral("3");
            break;
        case 'k':
            model->ClockChip = kClockChipPcf8583;
            break;
        }
        if (QStringLiteral("ebck").contains(action))
            document.record();
        if (action == 's')
            QVERIFY(document.save());
        if (action == 'u')
            document.undo();
        if (action == 'r')
            document.redo();
    }
    QCOMPARE(document.isModified(), modified);
}

// After "Aç…" B every save writes B; the working file stays as it was; "Farklı Kaydet…" X
// makes X the open file.
void TestSiteDocument::savesWriteTheOpenFile()
{
    const SettingsFolder folder;
    const auto model = std::make_unique<Tanimlamalar>();
    ScriptedDialogs dialogs;
    SiteDocument document(*model, dialogs);
    document.readAtStart();
    dialogs.shown.clear();  // the first start's "not found"
    const QByteArray working = folder.fileBytes();
    const QTemporaryDir dir;
    const QString b = dir.filePath(QStringLiteral("b.txt"));
    Tanimlamalar site;
    site.GroupEnd[3] = 40;
    QCOMPARE(saveSettingsFile(site, b), SettingsError::None);

    QVERIFY(document.open(b));
    QCOMPARE(document.path(), b);
    QCOMPARE(model->GroupEnd[3], 40);
    QVERIFY(!document.isModified());
    QVERIFY(!document.canUndo());
    model->GroupEnd[3] = 41;
    document.record();
    QVERIFY(document.save());
    QCOMPARE(bytesOf(b), settingsFileBytes(*model));
    QCOMPARE(folder.fileBytes(), working);

    const QString x = dir.filePath(QStringLiteral("x.txt"));
    QVERIFY(document.saveAs(x));
    QCOMPARE(document.path(), x);
    QCOMPARE(bytesOf(x), settingsFileBytes(*model));
    QVERIFY(document.canUndo());
    QCOMPARE(dialogs.shown, QStringList());
}

void TestSiteDocument::stepsAreNamedAfterWhatChanged_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("mayMerge");
    QTest::newRow("a group's number") << "start"
                                      << "3. Buton Başlangıç Sayısı" << true;
    QTest::newRow("enable and its copy") << "enable"
                                         << "3. Buton Durum" << true;
    QTest::newRow("a slot's group") << "slot group"
                                    << "5. Terminal, 3. Öncelik" << true;
    QTest::newRow("a slot's count") << "slot count"
                                    << "5. Terminal, 3. Öncelik" << true;
    QTest::newRow("the COM port") << "com"
                                  << "Com Port" << true;
    QTest::newRow("two values of one group") << "reset"
                                             << "3. Buton" << false;
    QTest::newRow("two groups") << "two groups"
                                << "2 değer" << false;
}

void TestSiteDocument::stepsAreNamedAfterWhatChanged()
{
    QFETCH(QString, change);
    QFETCH(QString, name);
    QFETCH(bool, mayMerge);
    const StoredSettings before{};
    StoredSettings after = before;
    if (change == QLatin1String("start"))
        after.GroupStart[2] = 7;
    if (change == QLatin1String("enable"))
        after.GroupEnable[2] = after.GroupEnableCopy[2] = kEnabled;
    if (change == QLatin1String("slot group"))
        after.PriorityGroup[4][2] = 3;
    if (change == QLatin1String("slot count"))
        after.PriorityCount[4][2] = kMaxCount;
    if (change == QLatin1String("com"))
        after.Text4 = QStringLiteral("4");
    if (change == QLatin1String("reset"))
        after.GroupLastCalled[2] = after.GroupLastIssued[2] = 9;
    if (change == QLatin1String("two groups"))
        after.GroupEnd[0] = after.GroupEnd[1] = 9;
    const StepName step = stepName(before, after);
    QCOMPARE(step.name, name);
    QCOMPARE(!step.key.isEmpty(), mayMerge);
}

void TestSiteDocument::stepperClicksMerge_data()
{
    QTest::addColumn<int>("secondSlot");  // slot the second click changes
    QTest::addColumn<int>("secondCount");
    QTest::addColumn<int>("afterMs");
    QTest::addColumn<int>("steps");
    QTest::newRow("same stepper within two seconds") << 0 << 2 << 1500 << 1;
    QTest::newRow("same stepper later") << 0 << 2 << 2500 << 2;
    QTest::newRow("another stepper") << 1 << 1 << 500 << 2;
    QTest::newRow("clicked back to where it began") << 0 << 0 << 500 << 0;
}

void TestSiteDocument::stepperClicksMerge()
{
    QFETCH(int, secondSlot);
    QFETCH(int, secondCount);
    QFETCH(int, afterMs);
    QFETCH(int, steps);
    SiteHistory history;
    StoredSettings site{};
    history.reset(site);
    site.PriorityCount[0][0] = 1;
    history.record(site, QStringLiteral("1"), stepName({}, site).key, 1000);
    const StoredSettings afterFirst = site;
    site.PriorityCount[0][secondSlot] = static_cast<int16_t>(secondCount);
    history.record(site, QStringLiteral("2"), stepName(afterFirst, site).key, 1000 + afterMs);
    QCOMPARE(history.steps(), steps);
    QCOMPARE(history.current(), site);
    while (history.canUndo())
        history.undo();
    QCOMPARE(history.current(), StoredSettings{});
}

void TestSiteDocument::historyKeepsItsLimit()
{
    SiteHistory history;
    StoredSettings site{};
    history.reset(site);
    constexpr int kRecorded = SiteHistory::kLimit + 50;
    for (int k = 1; k <= kRecorded; ++k) {
        site.GroupStart[k % kGroupCount] = static_cast<int16_t>(k);
        history.record(site, QString::number(k), {}, k * 10'000);
    }
    QCOMPARE(history.steps(), SiteHistory::kLimit);
    QVERIFY(SiteHistory::kLimit >= 100);
    QCOMPARE(history.undoName(), QString::number(kRecorded));
    int undone = 0;
    while (history.canUndo()) {
        history.undo();
        ++undone;
    }
    QCOMPARE(undone, SiteHistory::kLimit);
    QCOMPARE(history.redoName(), QString::number(kRecorded - SiteHistory::kLimit + 1));
}

void TestSiteDocument::outputIsRefusedOverSettingsFiles_data()
{
    QTest::addColumn<QString>("target");  // relative to the folder of the open file
    QTest::addColumn<bool>("refused");
    QTest::newRow("the open file") << "b.txt" << true;
    QTest::newRow("through ..") << "sub/../b.txt" << true;
    QTest::newRow("through a link") << "link.txt" << true;
    QTest::newRow("another file") << "rapor.pdf" << false;
}

void TestSiteDocument::outputIsRefusedOverSettingsFiles()
{
    QFETCH(QString, target);
    QFETCH(bool, refused);
    const SettingsFolder folder;
    const auto model = std::make_unique<Tanimlamalar>();
    ScriptedDialogs dialogs;
    SiteDocument document(*model, dialogs);
    document.readAtStart();
    const QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    QVERIFY(document.saveAs(dir.filePath(QStringLiteral("b.txt"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("b.txt")), dir.filePath(QStringLiteral("link.txt"))));
    QCOMPARE(document.isSettingsFile(dir.filePath(target)), refused);
    QVERIFY(document.isSettingsFile(folder.settingsFile()));
}

QTEST_GUILESS_MAIN(TestSiteDocument)
#include "tst_site_document.moc"
