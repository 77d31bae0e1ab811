// The overview's cells as typed or pasted: what each column takes and the refusal's text, and
// clipboard text read into cells.
#include "site/group_cells.h"
#include "site/sheet_block.h"
#include "site/site_tables.h"
#include "site/slot_cells.h"

#include <QtTest>

#include <memory>

class TestSheetCells : public QObject {
    Q_OBJECT
private slots:
    void groupValue_data();
    void groupValue();
    void slotValue_data();
    void slotValue();
    void clipboard_data();
    void clipboard();
};

namespace {

const QString kDateRefusal = QStringLiteral("12. Terminal, 4. Öncelik: %1 kabul edilmez (grup/sayı). Hücreleri metin "
                                            "olarak biçimlendirin ya da grup ve sayıyı iki sütunda tutun.");

}  // namespace

// Group 3 starts enabled, with a limit, every number 0 and layout 1.
void TestSheetCells::groupValue_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("shown");
    QTest::newRow("start") << 2 << "150"
                           << ""
                           << "150";
    QTest::newRow("start past 999") << 2 << "1000"
                                    << "3. Buton, Başlangıç: 1000 kabul edilmez (0..999)"
                                    << "0";
    QTest::newRow("start negative") << 2 << "-1"
                                    << "3. Buton, Başlangıç: -1 kabul edilmez (0..999)"
                                    << "0";
    QTest::newRow("disabled by word") << 1 << "Kapalı"
                                      << ""
                                      << "Kapalı";
    QTest::newRow("neither word") << 1 << "7"
                                  << ""
                                  << "7";
    QTest::newRow("enable past a byte") << 1 << "256"
                                        << "3. Buton, Durum: 256 kabul edilmez (Açık, Kapalı ya da 0..255)"
                                        << "Açık";
    QTest::newRow("no limit by word") << 6 << "Yok"
                                      << ""
                                      << "Yok";
    QTest::newRow("limit takes not Durum's words") << 6 << "Açık"
                                                   << "3. Buton, Limit: Açık kabul edilmez (Var, Yok ya da 0..255)"
                                                   << "Var";
    QTest::newRow("layout shown from 1") << 7 << "16"
                                         << ""
                                         << "16";
    QTest::newRow("layout 0") << 7 << "0"
                              << "3. Buton, Bilet Datası: 0 kabul edilmez (1..16)"
                              << "1";
}

void TestSheetCells::groupValue()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QFETCH(QString, shown);
    const auto model = std::make_unique<Tanimlamalar>();
    model->GroupEnable[2] = model->GroupEnableCopy[2] = 100;
    model->GroupLimit[2] = 1;
    QCOMPARE(writeGroupCell(*model, 2, column, text).value_or(QString()), refusal);
    QCOMPARE(groupCell(*model, 2, column), shown);
    QCOMPARE(model->GroupEnableCopy[2], model->GroupEnable[2]);
}

// Slot 4 of terminal 12 starts as group 5 with count 7.
void TestSheetCells::slotValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("count");
    QTest::newRow("counted") << "3/10"
                             << "" << 3 << 10;
    QTest::newRow("no limit") << "16/MAX"
                              << "" << 16 << 255;
    QTest::newRow("none keeps the count") << ""
                                          << "" << 0 << 7;
    QTest::newRow("none with a count") << "0/9"
                                       << "" << 0 << 9;
    QTest::newRow("group past 16") << "17/3"
                                   << "12. Terminal, 4. Öncelik: 17/3 kabul edilmez (grup 0..16)" << 5 << 7;
    QTest::newRow("255 typed") << "3/255"
                               << "12. Terminal, 4. Öncelik: 3/255 kabul edilmez (sayı 0..254 ya da MAX)" << 5 << 7;
    QTest::newRow("group alone") << "3"
                                 << "12. Terminal, 4. Öncelik: 3 kabul edilmez (grup/sayı)" << 5 << 7;
    QTest::newRow("date with dots") << "03.10.2026" << kDateRefusal.arg("03.10.2026") << 5 << 7;
    QTest::newRow("date without zeros") << "3.10.2026" << kDateRefusal.arg("3.10.2026") << 5 << 7;
    QTest::newRow("date with slashes") << "10/3/2026" << kDateRefusal.arg("10/3/2026") << 5 << 7;
    QTest::newRow("date with a month's name") << "3-Eki" << kDateRefusal.arg("3-Eki") << 5 << 7;
}

void TestSheetCells::slotValue()
{
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QFETCH(int, group);
    QFETCH(int, count);
    const auto model = std::make_unique<Tanimlamalar>();
    model->PriorityGroup[11][3] = 5;
    model->PriorityCount[11][3] = 7;
    QCOMPARE(writeSlotCell(*model, 11, 3, text).value_or(QString()), refusal);
    QCOMPARE(model->PriorityGroup[11][3], group);
    QCOMPARE(model->PriorityCount[11][3], count);
}

void TestSheetCells::clipboard_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QStringList>>("cells");
    const QList<QStringList> block{{"a", "b"}, {"c", "d"}};
    QTest::newRow("LF, ended") << "a\tb\nc\td\n" << block;
    QTest::newRow("CR LF, ended") << "a\tb\r\nc\td\r\n" << block;
    QTest::newRow("empty cells kept") << "\t3/4\t\n" << QList<QStringList>{{"", "3/4", ""}};
    QTest::newRow("an empty row inside") << "a\n\nb\n" << QList<QStringList>{{"a"}, {""}, {"b"}};
}

void TestSheetCells::clipboard()
{
    QFETCH(QString, text);
    QFETCH(QList<QStringList>, cells);
    QCOMPARE(clipboardCells(text), cells);
}

QTEST_GUILESS_MAIN(TestSheetCells)
#include "tst_sheet_cells.moc"
