#include "site_tables.h"

#include <QtTest>

class TestSiteTables : public QObject {
    Q_OBJECT
private slots:
    void headers();
    void groupCells_data();
    void groupCells();
    void slotCells_data();
    void slotCells();
};

namespace {

constexpr int kGroup = 6;

GroupArray &field(Tanimlamalar &model, int column)
{
    const std::array<GroupArray *, GroupColumn::Count> fields{
        nullptr,           &model.GroupEnable,     &model.GroupStart,
        &model.GroupEnd,   &model.GroupLastCalled, &model.GroupLastIssued,
        &model.GroupLimit, &model.GroupLayout};
    return *fields.at(column);
}

}  // namespace

void TestSiteTables::headers()
{
    const Tanimlamalar model;
    const SiteTable groups = groupTable(model);
    QCOMPARE(groups.headers, QStringList({"Buton No", "Durum", "Başlangıç", "Bitiş", "Son Çağrılan", "Son Bilet",
                                          "Limit", "Bilet Datası"}));
    QCOMPARE(groups.rows.size(), 32);
    QCOMPARE(groups.rows.last().first(), "32. Buton");
    const SiteTable terminals = terminalTable(model);
    QCOMPARE(terminals.headers.size(), 17);
    QCOMPARE(terminals.headers.first(), "Terminal");
    QCOMPARE(terminals.headers.last(), "16");
    QCOMPARE(terminals.rows.size(), 64);
    QCOMPARE(terminals.rows.last().first(), "64. Terminal");
}

void TestSiteTables::groupCells_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("enabled") << GroupColumn::Enabled << 100 << "Açık";
    QTest::newRow("disabled") << GroupColumn::Enabled << 0 << "Kapalı";
    QTest::newRow("enable neither") << GroupColumn::Enabled << 1 << "1";
    QTest::newRow("start") << GroupColumn::Start << 150 << "150";
    QTest::newRow("end") << GroupColumn::End << 999 << "999";
    QTest::newRow("last called zero") << GroupColumn::LastCalled << 0 << "0";
    QTest::newRow("last issued") << GroupColumn::LastIssued << 37 << "37";
    QTest::newRow("limit on") << GroupColumn::Limit << 1 << "Var";
    QTest::newRow("limit off") << GroupColumn::Limit << 0 << "Yok";
    QTest::newRow("limit neither") << GroupColumn::Limit << 100 << "100";
    QTest::newRow("first layout") << GroupColumn::Layout << 0 << "1";
    QTest::newRow("last layout") << GroupColumn::Layout << 15 << "16";
}

void TestSiteTables::groupCells()
{
    QFETCH(int, column);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    Tanimlamalar model;
    field(model, column)[kGroup] = int16_t(stored);
    const QStringList row = groupTable(model).rows.at(kGroup);
    QCOMPARE(row.first(), "7. Buton");
    QCOMPARE(row.at(column), shown);
    QCOMPARE(groupCell(model, kGroup, column), shown);
}

void TestSiteTables::slotCells_data()
{
    QTest::addColumn<int>("terminal");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    QTest::newRow("counted") << 0 << 0 << 3 << 10 << "3/10";
    QTest::newRow("no limit") << 4 << 2 << 3 << 255 << "3/MAX";
    QTest::newRow("highest count") << 63 << 15 << 16 << 254 << "16/254";
    QTest::newRow("zero count") << 10 << 7 << 1 << 0 << "1/0";
    QTest::newRow("no group, count kept") << 10 << 8 << 0 << 10 << "";
}

void TestSiteTables::slotCells()
{
    QFETCH(int, terminal);
    QFETCH(int, slot);
    QFETCH(int, group);
    QFETCH(int, count);
    QFETCH(QString, shown);
    Tanimlamalar model;
    model.PriorityGroup[terminal][slot] = int16_t(group);
    model.PriorityCount[terminal][slot] = int16_t(count);
    // Slots past the panel's 16 stay out of the table.
    model.PriorityGroup[terminal][16] = 5;
    const QStringList row = terminalTable(model).rows.at(terminal);
    QCOMPARE(row.size(), 17);
    QCOMPARE(row.first(), QStringLiteral("%1. Terminal").arg(terminal + 1));
    QCOMPARE(row.at(1 + slot), shown);
    QCOMPARE(row.mid(1).join(QString()), shown);
}

QTEST_APPLESS_MAIN(TestSiteTables)
#include "tst_site_tables.moc"
