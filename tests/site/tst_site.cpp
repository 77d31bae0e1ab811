#include "config/code_page_1254.h"
#include "site/priority_copy.h"
#include "site/settings_comparison.h"
#include "site/settings_csv.h"
#include "site/site_checks.h"

#include <QtTest>

#include <functional>

using Change = std::function<void(Tanimlamalar &)>;
using Recode = std::function<QByteArray(QByteArray)>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Recode)

namespace {

// Every value the CSV carries.
auto csvValues(const Tanimlamalar &m)
{
    return std::tie(m.GroupEnable, m.GroupEnableCopy, m.GroupStart, m.GroupEnd, m.GroupLastCalled, m.GroupLastIssued,
                    m.GroupLayout, m.GroupLimit, m.PriorityGroup, m.PriorityCount);
}

Tanimlamalar randomSite()
{
    QRandomGenerator random(508);
    auto pick = [&](int lowest, int highest) { return int16_t(random.bounded(lowest, highest + 1)); };
    Tanimlamalar m;
    for (int g = 0; g < kGroupCount; ++g) {
        m.GroupEnable[g] = m.GroupEnableCopy[g] = pick(0, 255);
        m.GroupLimit[g] = pick(0, 255), m.GroupLayout[g] = pick(0, 15);
        m.GroupStart[g] = pick(0, 999), m.GroupEnd[g] = pick(0, 999);
        m.GroupLastCalled[g] = pick(0, 999), m.GroupLastIssued[g] = pick(0, 999);
    }
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s)
            m.PriorityGroup[t][s] = pick(0, 16), m.PriorityCount[t][s] = pick(0, 255);
    }
    return m;
}

// Group 1 enabled (1..100, last called 5, last ticket 7, limit, layout 3); group 2 disabled with
// values the checks would find in an enabled group. Every terminal's first slot is 1/MAX,
// terminal 5's second 1/10.
Tanimlamalar knownSite()
{
    Tanimlamalar m;
    m.GroupEnable[0] = m.GroupEnableCopy[0] = 100;
    m.GroupStart = {1, 500}, m.GroupEnd = {100, 100}, m.GroupLastIssued = {7, 999};
    m.GroupLastCalled[0] = 5, m.GroupLimit[0] = 1, m.GroupLayout[0] = 2;
    for (int t = 0; t < kTerminalCount; ++t)
        m.PriorityGroup[t][0] = 1, m.PriorityCount[t][0] = 255;
    m.PriorityGroup[4][1] = 1, m.PriorityCount[4][1] = 10;
    return m;
}

// "grup 2 2 | Grup 3 Başlangıç: 0 → 150": the table, row and column, then the line.
QString described(const SettingsDifference &d)
{
    const QStringList tables{"genel", "grup", "terminal"};
    return QStringLiteral("%1 %2 %3 | %4").arg(tables[int(d.table)]).arg(d.row).arg(d.column).arg(d.line);
}

}  // namespace

class TestSite : public QObject {
    Q_OBJECT
private slots:
    void copy_data();
    void copy();
    void checks_data();
    void checks();
    void comparison_data();
    void comparison();
    void csvRoundTrip_data();
    void csvRoundTrip();
    void csvExport_data();
    void csvExport();
    void csvColumnsByName();
    void csvRefusal_data();
    void csvRefusal();
};

void TestSite::copy_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QList<int>>("targets");
    QTest::addColumn<QList<int>>("changed");
    QTest::newRow("two targets") << 2 << QList<int>{0, 63} << QList<int>{0, 63};
    QTest::newRow("outside 0..63 passed over") << 1 << QList<int>{-1, 64, 9} << QList<int>{9};
    QTest::newRow("source outside 0..63") << 64 << QList<int>{1, 2} << QList<int>{};
}

void TestSite::copy()
{
    QFETCH(int, source);
    QFETCH(QList<int>, targets);
    QFETCH(QList<int>, changed);
    const Tanimlamalar before = randomSite();
    Tanimlamalar m = before;
    copyPriorityList(m, source, targets);
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s) {
            const int from = changed.contains(t) && s < 16 ? source : t;
            QCOMPARE(m.PriorityGroup[t][s], before.PriorityGroup[from][s]);
            QCOMPARE(m.PriorityCount[t][s], before.PriorityCount[from][s]);
        }
    }
}

void TestSite::checks_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("clean") << Change([](Tanimlamalar &) {}) << QStringList{};
    QTest::newRow("start above end, then slot")
        << Change([](Tanimlamalar &m) { m.PriorityGroup[4][15] = 2, m.GroupStart[0] = 150; })
        << QStringList{"1. Buton: başlangıç (150) bitişten (100) büyük",
                       "5. Terminal, 16. Öncelikli Buton: 2. Buton kapalı"};
    QTest::newRow("last below start") << Change([](Tanimlamalar &m) { m.GroupStart[0] = 8; })
                                      << QStringList{"1. Buton: son bilet (7) 8..100 aralığının dışında"};
    QTest::newRow("last above end") << Change([](Tanimlamalar &m) { m.GroupLastIssued[0] = 999; })
                                    << QStringList{"1. Buton: son bilet (999) 1..100 aralığının dışında"};
    QTest::newRow("hidden slot") << Change([](Tanimlamalar &m) { m.PriorityGroup[4][16] = 7; }) << QStringList{};
    QTest::newRow("empty list") << Change([](Tanimlamalar &m) { m.PriorityGroup[4][0] = m.PriorityGroup[4][1] = 0; })
                                << QStringList{"5. Terminal: öncelik listesi boş"};
}

void TestSite::checks()
{
    QFETCH(Change, change);
    Tanimlamalar m = knownSite();
    change(m);
    QStringList texts;
    for (const SiteFinding &f : siteChecks(m))
        texts.append(f.text());
    QTEST(texts, "texts");
}

void TestSite::comparison_data()
{
    QTest::addColumn<Change>("change");  // to the shown settings
    QTest::addColumn<QStringList>("differences");
    QTest::newRow("same") << Change([](Tanimlamalar &) {}) << QStringList{};
    QTest::newRow("general, groups") << Change([](Tanimlamalar &m) {
        m.GroupLayout[31] = 15, m.GroupStart[2] = 150, m.GroupEnable[1] = 7, m.GroupLimit[0] = 0;
        m.GroupEnable[0] = 0, m.ClockChip = 1, m.Text4 = "3";
    }) << QStringList{"genel -1 -1 | COM Port: 1 → 3",           "genel -1 -1 | Saat Çipi: DS1307 → PCF8583",
                      "grup 0 1 | Grup 1 Durum: Açık → Kapalı",  "grup 0 6 | Grup 1 Limit: Var → Yok",
                      "grup 1 1 | Grup 2 Durum: Kapalı → 7",     "grup 2 2 | Grup 3 Başlangıç: 0 → 150",
                      "grup 31 7 | Grup 32 Bilet Datası: 1 → 16"};
    QTest::newRow("groups, terminals") << Change([](Tanimlamalar &m) {
        m.PriorityGroup[63][31] = 2, m.PriorityGroup[4][1] = 4, m.PriorityCount[4][1] = 255;
        m.PriorityGroup[4][0] = 0, m.GroupEnd[0] = 9;
    })
                                       << QStringList{"grup 0 3 | Grup 1 Bitiş: 100 → 9",
                                                      "terminal 4 1 | Terminal 5 Öncelik 1: 1/MAX → Yok/MAX",
                                                      "terminal 4 2 | Terminal 5 Öncelik 2: 1/10 → 4/MAX",
                                                      "terminal 63 -1 | Terminal 64 Öncelik 32: Yok/0 → 2/0"};
}

void TestSite::comparison()
{
    QFETCH(Change, change);
    Tanimlamalar shown = knownSite();
    change(shown);
    QStringList differences;
    for (const SettingsDifference &d : compareSettings(shown, knownSite()))
        differences.append(described(d));
    QTEST(differences, "differences");
}

void TestSite::csvRoundTrip_data()
{
    QTest::addColumn<Recode>("recode");
    QTest::newRow("as written") << Recode([](QByteArray csv) { return csv; });
    QTest::newRow("Windows-1254") << Recode(
        [](const QByteArray &csv) { return toWindows1254(QString::fromUtf8(csv.mid(3))); });
}

void TestSite::csvRoundTrip()
{
    QFETCH(Recode, recode);
    const Tanimlamalar written = randomSite();
    Tanimlamalar read;
    QCOMPARE(readSettingsCsv(recode(settingsCsv(written)), read), std::nullopt);
    QVERIFY(csvValues(read) == csvValues(written));
}

void TestSite::csvExport_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("groups") << 1 << "\uFEFFButon No;Durum;Başlangıç;Bitiş;Son Çağrılan;Son Bilet;Limit;Bilet Datası";
    QTest::newRow("group 1") << 2 << "1;100;1;100;5;7;1;3";
    QTest::newRow("group 2") << 3 << "2;0;500;100;0;999;0;1";
    QTest::newRow("between") << 34 << "";
    QTest::newRow("slots") << 35 << "Terminal;Sıra;Grup;Sayı";
    QTest::newRow("first slot") << 36 << "1;1;1;MAX";
    QTest::newRow("terminal 5 slot 2") << 165 << "5;2;1;10";
    QTest::newRow("last slot") << 2083 << "64;32;0;0";
}

void TestSite::csvExport()
{
    QFETCH(int, line);
    const QList<QByteArray> lines = settingsCsv(knownSite()).split('\n');
    QCOMPARE(lines.size(), 2084);  // the last line ends too
    QVERIFY(lines.last().isEmpty() && lines[line - 1].endsWith('\r'));
    QTEST(QString::fromUtf8(lines[line - 1].chopped(1)), "text");
}

void TestSite::csvColumnsByName()
{
    const QByteArray csv =
        "\"Bitiş\";\"Buton No\";\"Not\";\"Durum\";\"Başlangıç\";\"Son Çağrılan\";\"Son Bilet\";"
        "\"Limit\";\"Bilet Datası\"\n\"250\";\"4\";\"x\";\"100\";\" 200\";\"210\";\"220\";\"0\";\"16\"\n"
        ";;;\n\"Sayı\";\"Terminal\";\"Sıra\";\"Grup\"\n\"max\";\"64\";\"32\";\"16\"\n";
    Tanimlamalar m, expected;
    QCOMPARE(readSettingsCsv(csv, m), std::nullopt);
    expected.GroupEnd[3] = 250, expected.GroupEnable[3] = expected.GroupEnableCopy[3] = 100;
    expected.GroupStart[3] = 200, expected.GroupLastCalled[3] = 210, expected.GroupLastIssued[3] = 220;
    expected.GroupLayout[3] = 15, expected.PriorityGroup[63][31] = 16, expected.PriorityCount[63][31] = 255;
    QVERIFY(csvValues(m) == csvValues(expected));
}

void TestSite::csvRefusal_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("start") << 4 << QByteArray("3;100;1500;999;0;0;0;1")
                           << "satır 4, \"Başlangıç\" sütunu: 1500 kabul edilmez (0..999).";
    QTest::newRow("layout 0") << 2 << QByteArray("1;100;1;100;5;7;1;0")
                              << "satır 2, \"Bilet Datası\" sütunu: 0 kabul edilmez (1..16).";
    QTest::newRow("slot group 17") << 40 << QByteArray("1;5;17;0")
                                   << "satır 40, \"Grup\" sütunu: 17 kabul edilmez (0..16).";
    QTest::newRow("count 255") << 36 << QByteArray("1;1;1;255")
                               << "satır 36, \"Sayı\" sütunu: 255 kabul edilmez (0..254 ya da MAX).";
    QTest::newRow("short row") << 37 << QByteArray("1;2;0")
                               << "satır 37, \"Sayı\" sütunu: boş alan kabul edilmez (0..254 ya da MAX).";
    QTest::newRow("terminal 65") << 2083 << QByteArray("65;32;0;0")
                                 << "satır 2083, \"Terminal\" sütunu: 65 kabul edilmez (1..64).";
    QTest::newRow("a word for a number") << 2 << QByteArray("1;açık;1;100;5;7;1;3")
                                         << "satır 2, \"Durum\" sütunu: açık kabul edilmez (0..255).";
    QTest::newRow("a number run into a word")
        << 2 << QByteArray("1;100;12abc;100;5;7;1;3") << "satır 2, \"Başlangıç\" sütunu: 12abc kabul edilmez (0..999).";
    QTest::newRow("limit beyond a byte") << 2 << QByteArray("1;100;1;100;5;7;256;3")
                                         << "satır 2, \"Limit\" sütunu: 256 kabul edilmez (0..255).";
    QTest::newRow("a group twice") << 3 << QByteArray("1;100;1;100;5;7;1;3")
                                   << "satır 3, \"Buton No\" sütunu: 1 iki kez var (satır 2 ve 3).";
    QTest::newRow("a slot twice") << 37 << QByteArray("1;1;0;0")
                                  << "satır 37, \"Sıra\" sütunu: 1. Terminal, 1. Sıra iki kez var (satır 36 ve 37).";
    QTest::newRow("missing column") << 35 << QByteArray("Terminal;Sıra;Grup")
                                    << "satır 35: \"Sayı\" sütunu bulunamadı.";
}

void TestSite::csvRefusal()
{
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QList<QByteArray> lines = settingsCsv(knownSite()).split('\n');
    lines[line - 1] = text + '\r';
    const Tanimlamalar before = randomSite();
    Tanimlamalar m = before;
    const std::optional<CsvRefusal> refusal = readSettingsCsv(lines.join('\n'), m);
    QVERIFY(refusal);
    QCOMPARE(refusal->message(), "CSV dosyası, " + message + " Hiçbir değer değiştirilmedi.");
    QVERIFY(csvValues(m) == csvValues(before));
}

QTEST_GUILESS_MAIN(TestSite)
#include "tst_site.moc"
