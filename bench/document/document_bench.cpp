// Times an undo and a redo of the largest single step an operator makes (a list copied to the
// 63 other terminals) in the real window, its panels filled and images rebuilt; and measures
// the heap that 100 steps of whole-site changes hold; and a whole 64 × 16 block pasted into
// the overview's terminal sheet, checked and applied as one step, panels and images following.
#include "images/image_builder.h"
#include "main_menu_fixture.h"
#include "session/terminal_sheet_model.h"
#include "site/priority_copy.h"
#include "site/sheet_block.h"

#include <QtTest>

#include <malloc.h>

class DocumentBench : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void undoRedoCopy();
    void historyMemory();
    void wholeSheetPaste();

private:
    std::unique_ptr<MainMenuFixture> fixture_;
};

namespace {

QList<int> allBut(int terminal)
{
    QList<int> others;
    for (int t = 0; t < kTerminalCount; ++t) {
        if (t != terminal)
            others.append(t);
    }
    return others;
}

// Every stored value drawn anew, so that no step shares anything with the one before.
void changeEverything(Tanimlamalar &model, QRandomGenerator &random)
{
    for (int g = 0; g < kGroupCount; ++g) {
        model.GroupStart[g] = int16_t(random.bounded(1000));
        model.GroupEnd[g] = int16_t(random.bounded(1000));
    }
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s) {
            model.PriorityGroup[t][s] = int16_t(1 + random.bounded(kSelectableGroups));
            model.PriorityCount[t][s] = int16_t(random.bounded(kMaxCount));
        }
    }
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

}  // namespace

void DocumentBench::init()
{
    fixture_ = std::make_unique<MainMenuFixture>();
    fixture_->start();
}

void DocumentBench::cleanup()
{
    fixture_.reset();
}

void DocumentBench::undoRedoCopy()
{
    SiteDocument &document = fixture_->session.document();
    Tanimlamalar &model = fixture_->model;
    QVERIFY(document.change(QStringLiteral("liste"), [](Tanimlamalar &m) {
        for (int s = 0; s < kSlotCount; ++s)
            m.PriorityGroup[0][s] = int16_t(1 + s % kSelectableGroups), m.PriorityCount[0][s] = int16_t(s);
        return true;
    }));
    QVERIFY(document.change(QStringLiteral("kopya"), [](Tanimlamalar &m) {
        copyPriorityList(m, 0, allBut(0));
        return true;
    }));
    QBENCHMARK {
        document.undo();
        document.redo();
    }
    document.undo();
    QCOMPARE(model.PriorityGroup[63][1], int16_t(0));
    std::array<uint8_t, kTerminalImageSize> rebuilt{};
    QVERIFY(!buildTerminalImage(model, rebuilt));
    QVERIFY2(model.TerminalImage == rebuilt, "the images follow the undo");
}

// What 100 steps add to the heap, the window's refills included; printed for scripts/bench.
void DocumentBench::historyMemory()
{
    SiteDocument &document = fixture_->session.document();
    QRandomGenerator random(1254);
    const size_t before = heapInUse();
    for (int step = 0; step < 100; ++step) {
        QVERIFY(document.change(QStringLiteral("adım"), [&random](Tanimlamalar &m) {
            changeEverything(m, random);
            return true;
        }));
    }
    const double mib = double(heapInUse() - before) / (1024.0 * 1024.0);
    std::printf("history of 100 steps: %.2f MiB\n", mib);
    QVERIFY(document.canUndo());
}

// Two blocks in turn, so that every paste changes every cell.
void DocumentBench::wholeSheetPaste()
{
    TerminalSheetModel sheet(fixture_->model, fixture_->session.document());
    QList<QStringList> blocks[2];
    for (int b = 0; b < 2; ++b) {
        for (int t = 0; t < kTerminalCount; ++t) {
            QStringList row;
            for (int s = 0; s < kPanelSlotCount; ++s)
                row << QStringLiteral("%1/%2").arg(1 + (t + s + b) % kSelectableGroups).arg((t * 7 + s + b) % 254);
            blocks[b] << row;
        }
    }
    int turn = 0;
    QBENCHMARK {
        const SheetModel::Paste checked = sheet.checkPaste(QPoint(1, 0), blocks[turn], std::nullopt);
        QVERIFY(checked.refusal.isEmpty());
        QVERIFY(sheet.paste(checked));
        turn = 1 - turn;
    }
    std::array<uint8_t, kTerminalImageSize> rebuilt{};
    QVERIFY(!buildTerminalImage(fixture_->model, rebuilt));
    QVERIFY2(fixture_->model.TerminalImage == rebuilt, "the images follow the paste");
}

QTEST_MAIN(DocumentBench)
#include "document_bench.moc"
