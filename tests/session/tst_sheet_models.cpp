// The overview's table models over the site document: edits, pastes, Delete and fill down as
// steps of the document, the count of filled cells a paste overwrites, copies for the
// clipboard, and the slots past the panel's that nothing here touches.
#include "scripted_dialogs.h"
#include "session/group_sheet_model.h"
#include "session/site_document.h"
#include "session/terminal_sheet_model.h"
#include "settings_folder.h"
#include "site/sheet_block.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Terminal 1's slots: 2/5, none (group 0, count 9), 4/MAX. Group 1 disabled, every number 0.
struct Site {
    SettingsFolder folder;
    std::unique_ptr<Tanimlamalar> model = std::make_unique<Tanimlamalar>();
    ScriptedDialogs dialogs;
    SiteDocument document{*model, dialogs};
    GroupSheetModel groups{*model, document};
    TerminalSheetModel terminals{*model, document};

    Site()
    {
        const std::array<std::array<int16_t, 2>, 3> stored{{{2, 5}, {0, 9}, {4, 255}}};
        for (size_t s = 0; s < stored.size(); ++s) {
            model->PriorityGroup[0][s] = stored[s][0];
            model->PriorityCount[0][s] = stored[s][1];
        }
        document.startHistory();
    }
    SheetModel &table(const QString &name) { return name == "groups" ? static_cast<SheetModel &>(groups) : terminals; }
};

std::optional<QRect> selectionOf(const QRect &rect)
{
    return rect.isNull() ? std::nullopt : std::optional<QRect>(rect);
}

}  // namespace

class TestSheetModels : public QObject {
    Q_OBJECT
private slots:
    void edit_data();
    void edit();
    void paste_data();
    void paste();
    void overwrittenCount_data();
    void overwrittenCount();
    void selectionEdits_data();
    void selectionEdits();
    void copies_data();
    void copies();
    void hiddenSlotsUntouched_data();
    void hiddenSlotsUntouched();
    void followsTheDocument();
};

// Cells are (column, row). The refusal is empty and the step named for an accepted edit.
void TestSheetModels::edit_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("step");
    QTest::newRow("group value") << "groups" << QPoint(2, 2) << "5"
                                 << ""
                                 << "5"
                                 << "3. Buton, Başlangıç";
    QTest::newRow("group value refused") << "groups" << QPoint(2, 2) << "1000"
                                         << "3. Buton, Başlangıç: 1000 kabul edilmez (0..999)"
                                         << "0"
                                         << "";
    QTest::newRow("slot") << "terminals" << QPoint(3, 4) << "1/MAX"
                          << ""
                          << "1/MAX"
                          << "5. Terminal, 3. Öncelik";
}

void TestSheetModels::edit()
{
    QFETCH(QString, table);
    QFETCH(QPoint, cell);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QFETCH(QString, shown);
    QFETCH(QString, step);
    Site site;
    SheetModel &model = site.table(table);
    QSignalSpy refused(&model, &SheetModel::refused);
    const QModelIndex index = model.index(cell.y(), cell.x());
    QVERIFY(model.flags(index) & Qt::ItemIsEditable);
    QVERIFY(!(model.flags(model.index(cell.y(), 0)) & Qt::ItemIsEditable));
    QCOMPARE(model.setData(index, text), refusal.isEmpty());
    QCOMPARE(refused.isEmpty() ? QString() : refused.at(0).at(0).toString(), refusal);
    QCOMPARE(model.data(index).toString(), shown);
    QCOMPARE(site.document.undoName(), step);
}

// The cells read back after the paste, and the step it made.
void TestSheetModels::paste_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QPoint>("current");
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QRect>("readBack");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("step");
    const QString date = QStringLiteral("1. Terminal, 1. Öncelik: %1 kabul edilmez (grup/sayı). Hücreleri metin olarak "
                                        "biçimlendirin ya da grup ve sayıyı iki sütunda tutun.");
    QTest::newRow("at the selection's corner") << "terminals" << QPoint(9, 9) << QRect(5, 20, 3, 3) << "1/1\t2/2\n"
                                               << "" << QRect(4, 20, 4, 1) << "\t1/1\t2/2\t\n"
                                               << "2 hücreye yapıştırma";
    QTest::newRow("one value fills the selection") << "terminals" << QPoint(0, 0) << QRect(5, 20, 2, 2) << "7/7\n"
                                                   << "" << QRect(5, 20, 3, 2) << "7/7\t7/7\t\n7/7\t7/7\t\n"
                                                   << "4 hücreye yapıştırma";
    QTest::newRow("one value over whole rows, names kept") << "terminals" << QPoint(0, 0) << QRect(0, 20, 3, 1) << "7/7"
                                                           << "" << QRect(0, 20, 3, 1) << "21. Terminal\t7/7\t7/7\n"
                                                           << "2 hücreye yapıştırma";
    QTest::newRow("pairs") << "terminals" << QPoint(5, 20) << QRect() << "3\t10\t4\tMAX\n"
                           << "" << QRect(5, 20, 2, 1) << "3/10\t4/MAX\n"
                           << "2 hücreye yapıştırma";
    QTest::newRow("past the right edge") << "terminals" << QPoint(16, 0) << QRect() << "1/1\t1/1\n"
                                         << "1 satır, 2 sütunluk blok buradan tablonun kenarını aşıyor."
                                         << QRect(15, 0, 2, 1) << "\t\n"
                                         << "";
    QTest::newRow("one bad cell refuses all")
        << "terminals" << QPoint(5, 20) << QRect() << "1/1\t2/2\n3/3\t17/1\n"
        << "22. Terminal, 6. Öncelik: 17/1 kabul edilmez (grup 0..16)" << QRect(5, 20, 2, 2) << "\t\n\t\n"
        << "";
    QTest::newRow("the first bad cell, row by row")
        << "terminals" << QPoint(5, 20) << QRect() << "1/1\tx\n99/1\t1/1\n"
        << "21. Terminal, 6. Öncelik: x kabul edilmez (grup/sayı)" << QRect(5, 20, 2, 1) << "\t\n"
        << "";
    QTest::newRow("a date in pairs") << "terminals" << QPoint(1, 0) << QRect() << "3-Eki\t4\n"
                                     << date.arg("3-Eki") << QRect(1, 0, 1, 1) << "2/5\n"
                                     << "";
    QTest::newRow("row names taken back") << "terminals" << QPoint(0, 1) << QRect() << "2. Terminal\t5/5\n"
                                          << "" << QRect(0, 1, 2, 1) << "2. Terminal\t5/5\n"
                                          << "2. Terminal, 1. Öncelik";
    QTest::newRow("a row name changed") << "terminals" << QPoint(0, 1) << QRect() << "3. Terminal\t5/5\n"
                                        << "2. Terminal: 3. Terminal kabul edilmez (değiştirilemez)"
                                        << QRect(0, 1, 2, 1) << "2. Terminal\t\n"
                                        << "";
    QTest::newRow("a group value out of range")
        << "groups" << QPoint(1, 0) << QRect() << "Açık\t1000\n"
        << "1. Buton, Başlangıç: 1000 kabul edilmez (0..999)" << QRect(1, 0, 2, 1) << "Kapalı\t0\n"
        << "";
}

// An accepted paste is one step: one undo takes all of it back.
void TestSheetModels::paste()
{
    QFETCH(QString, table);
    QFETCH(QPoint, current);
    QFETCH(QRect, selection);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QFETCH(QRect, readBack);
    QFETCH(QString, after);
    QFETCH(QString, step);
    Site site;
    SheetModel &model = site.table(table);
    const QString before = model.copyText(readBack);
    QSignalSpy refused(&model, &SheetModel::refused);
    const SheetModel::Paste checked = model.checkPaste(current, clipboardCells(text), selectionOf(selection));
    QCOMPARE(checked.refusal, refusal);
    QCOMPARE(model.paste(checked), refusal.isEmpty());
    QCOMPARE(refused.isEmpty() ? QString() : refused.at(0).at(0).toString(), refusal);
    QCOMPARE(model.copyText(readBack), after);
    QCOMPARE(site.document.undoName(), step);
    if (!refusal.isEmpty())
        return;
    site.document.undo();
    QVERIFY(!site.document.canUndo());
    QCOMPARE(model.copyText(readBack), before);
}

void TestSheetModels::overwrittenCount_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("overwritten");
    QTest::newRow("the same values") << "terminals"
                                     << "2/5\t\t4/MAX\n"
                                     << 0;
    QTest::newRow("an empty slot is no loss") << "terminals"
                                              << "2/5\t1/1\t4/8\n"
                                              << 1;
    QTest::newRow("filled slots emptied") << "terminals"
                                          << "\t\t\n"
                                          << 2;
    QTest::newRow("group values") << "groups"
                                  << "Açık\t3\n"
                                  << 2;
}

// Pasted at the first value of row 1.
void TestSheetModels::overwrittenCount()
{
    QFETCH(QString, table);
    QFETCH(QString, text);
    QFETCH(int, overwritten);
    Site site;
    const SheetModel::Paste checked = site.table(table).checkPaste(QPoint(1, 0), clipboardCells(text), std::nullopt);
    QCOMPARE(checked.refusal, QString());
    QCOMPARE(checked.overwritten, overwritten);
}

// 'c' Delete, 'd' fill down; the cells read back and the step made.
void TestSheetModels::selectionEdits_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<char>("action");
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("step");
    QTest::newRow("slots cleared, row name kept")
        << "terminals" << 'c' << QRect(0, 0, 4, 2) << true << "1. Terminal\t\t\t\n2. Terminal\t\t\t\n"
        << "6 hücre temizleme";
    QTest::newRow("groups are not cleared") << "groups" << 'c' << QRect(1, 0, 2, 1) << false << "Kapalı\t0\n"
                                            << "";
    QTest::newRow("slots filled down") << "terminals" << 'd' << QRect(0, 0, 3, 3) << true
                                       << "1. Terminal\t2/5\t\n2. Terminal\t2/5\t\n3. Terminal\t2/5\t\n"
                                       << "4 hücreye aşağı doldurma";
    QTest::newRow("one row fills nothing") << "terminals" << 'd' << QRect(1, 0, 2, 1) << false << "2/5\t\n"
                                           << "";
}

void TestSheetModels::selectionEdits()
{
    QFETCH(QString, table);
    QFETCH(char, action);
    QFETCH(QRect, selection);
    QFETCH(bool, done);
    QFETCH(QString, after);
    QFETCH(QString, step);
    Site site;
    SheetModel &model = site.table(table);
    QCOMPARE(action == 'c' ? model.clear(selection) : model.fillDown(selection), done);
    QCOMPARE(model.copyText(selection), after);
    QCOMPARE(site.document.undoName(), step);
    if (action == 'c' && done)
        QCOMPARE(site.model->PriorityCount[0][0], 5);  // a slot's count stays, as "Yok" on the panel leaves it
}

void TestSheetModels::copies_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("pairs");
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<QString>("text");
    QTest::newRow("slots as shown") << "terminals" << false << QRect(0, 0, 4, 2)
                                    << "1. Terminal\t2/5\t\t4/MAX\n2. Terminal\t\t\t\n";
    QTest::newRow("slots as pairs") << "terminals" << true << QRect(0, 0, 4, 1) << "2\t5\t\t\t4\tMAX\n";
    QTest::newRow("groups as shown") << "groups" << false << QRect(0, 0, 3, 1) << "1. Buton\tKapalı\t0\n";
}

void TestSheetModels::copies()
{
    QFETCH(QString, table);
    QFETCH(bool, pairs);
    QFETCH(QRect, selection);
    QFETCH(QString, text);
    Site site;
    QCOMPARE(pairs ? site.terminals.copyPairs(selection) : site.table(table).copyText(selection), text);
}

// Every terminal's slots 17..32 hold 9/9 while the whole table is pasted, cleared and filled.
void TestSheetModels::hiddenSlotsUntouched_data()
{
    QTest::addColumn<char>("action");
    QTest::newRow("one value into all") << 'p';
    QTest::newRow("pairs into all") << 'r';
    QTest::newRow("Delete") << 'c';
    QTest::newRow("fill down") << 'd';
}

void TestSheetModels::hiddenSlotsUntouched()
{
    QFETCH(char, action);
    Site site;
    for (int t = 0; t < kTerminalCount; ++t) {
        std::fill(site.model->PriorityGroup[t].begin() + kPanelSlotCount, site.model->PriorityGroup[t].end(), 9);
        std::fill(site.model->PriorityCount[t].begin() + kPanelSlotCount, site.model->PriorityCount[t].end(), 9);
    }
    const QRect all(0, 0, 17, 64);
    TerminalSheetModel &model = site.terminals;
    if (action == 'p')
        QVERIFY(model.paste(model.checkPaste({}, {{"1/1"}}, QRect(1, 0, 16, 64))));
    if (action == 'r')
        QVERIFY(model.paste(model.checkPaste(QPoint(1, 0), QList<QStringList>(64, QStringList(32, "3")), {})));
    if (action == 'c')
        QVERIFY(model.clear(all));
    if (action == 'd')
        QVERIFY(model.fillDown(all));
    QVERIFY(site.document.canUndo());
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = kPanelSlotCount; s < kSlotCount; ++s) {
            QCOMPARE(site.model->PriorityGroup[t][s], 9);
            QCOMPARE(site.model->PriorityCount[t][s], 9);
        }
    }
}

// A panel's edit and an undo both reach the views.
void TestSheetModels::followsTheDocument()
{
    Site site;
    QSignalSpy changed(&site.terminals, &QAbstractItemModel::dataChanged);
    site.model->PriorityGroup[4][2] = 3;
    site.document.record();
    QVERIFY(!changed.isEmpty());
    QCOMPARE(site.terminals.index(4, 3).data().toString(), "3/0");
    changed.clear();
    site.document.undo();
    QVERIFY(!changed.isEmpty());
    QCOMPARE(site.terminals.index(4, 3).data().toString(), "");
}

QTEST_GUILESS_MAIN(TestSheetModels)
#include "tst_sheet_models.moc"
