#include "site/site_tables.h"

#include <QtTest>

class TestSiteTables : public QObject {
    Q_OBJECT
private slots:
    void groupRow_data();
    void groupRow();
    void slotCell_data();
    void slotCell();
};

// Group 7's values: enable, start, end, last called, last issued, limit, layout.
void TestSiteTables::groupRow_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("enabled, limited") << QList<int>{100, 150, 999, 12, 37, 1, 0}
                                      << QStringList{"7. Buton", "Açık", "150", "999", "12", "37", "Var", "1"};
    QTest::newRow("disabled") << QList<int>{0, 0, 1, 0, 0, 0, 15}
                              << QStringList{"7. Buton", "Kapalı", "0", "1", "0", "0", "Yok", "16"};
    QTest::newRow("flags neither") << QList<int>{1, 0, 0, 0, 0, 100, 3}
                                   << QStringList{"7. Buton", "1", "0", "0", "0", "0", "100", "4"};
}

void TestSiteTables::groupRow()
{
    QFETCH(QList<int>, stored);
    QFETCH(QStringList, shown);
    Tanimlamalar m;
    const std::array<GroupArray *, 7> fields{&m.GroupEnable,     &m.GroupStart, &m.GroupEnd,   &m.GroupLastCalled,
                                             &m.GroupLastIssued, &m.GroupLimit, &m.GroupLayout};
    for (size_t k = 0; k < fields.size(); ++k)
        (*fields[k])[6] = int16_t(stored.at(qsizetype(k)));
    QCOMPARE(groupTable(m).rows.at(6), shown);
}

void TestSiteTables::slotCell_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    QTest::newRow("counted") << 3 << 10 << "3/10";
    QTest::newRow("no limit") << 3 << 255 << "3/MAX";
    QTest::newRow("highest") << 16 << 254 << "16/254";
    QTest::newRow("no group, count kept") << 0 << 10 << "";
}

// Slot 3 of terminal 64; slot 17 names a group too, past the panel's 16 and the table's.
void TestSiteTables::slotCell()
{
    QFETCH(int, group);
    QFETCH(int, count);
    QFETCH(QString, shown);
    Tanimlamalar m;
    m.PriorityGroup[63][2] = int16_t(group);
    m.PriorityCount[63][2] = int16_t(count);
    m.PriorityGroup[63][16] = 5;
    QCOMPARE(terminalTable(m).rows.at(63), QStringList({"64. Terminal", "", "", shown}) + QStringList(13, QString()));
}

QTEST_APPLESS_MAIN(TestSiteTables)
#include "tst_site_tables.moc"
