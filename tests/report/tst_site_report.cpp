// The report as a reader finds it: its text as pdftotext lays it out, its pages as pdfinfo
// counts and measures them.
#include "site_report.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestSiteReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void holdsTheSite();
    void everyRowOnceAndHeadersOnEachPage();
    void a4Pages();
    void unwritablePathIsTold();

private:
    QTemporaryDir dir_;
    QString pdf_;
    QString text_;
};

namespace {

const ReportFacts kFacts{QDateTime(QDate(2025, 12, 8), QTime(14, 30)), QStringLiteral("/yer/ayarlar.txt")};

Tanimlamalar knownSite()
{
    Tanimlamalar model;
    model.Text4 = QStringLiteral("7");
    model.ClockChip = kClockChipPcf8583;
    model.GroupEnable[2] = kEnabled;
    model.GroupStart[2] = 150;
    model.GroupEnd[2] = 400;
    model.PriorityGroup[4][2] = 3;
    model.PriorityCount[4][2] = kMaxCount;
    // The widest row there can be: it must stay on one line within the page.
    for (int slot = 0; slot < kPanelSlotCount; ++slot) {
        model.PriorityGroup[63][slot] = 16;
        model.PriorityCount[63][slot] = kMaxCount;
    }
    return model;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        qFatal("%s failed; scripts/setup installs poppler-utils", qPrintable(program));
    return QString::fromUtf8(process.readAllStandardOutput());
}

int countOf(const QString &text, const QString &pattern)
{
    const QRegularExpression expression(pattern, QRegularExpression::MultilineOption);
    int count = 0;
    for (QRegularExpressionMatchIterator matches = expression.globalMatch(text); matches.hasNext(); matches.next())
        ++count;
    return count;
}

}  // namespace

void TestSiteReport::initTestCase()
{
    pdf_ = dir_.filePath(QStringLiteral("rapor.pdf"));
    QCOMPARE(writeSiteReport(pdf_, knownSite(), kFacts), QString());
    text_ = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf_, QStringLiteral("-")});
}

void TestSiteReport::holdsTheSite()
{
    for (const char *line :
         {"Site Raporu", "08.12.2025 14:30", "/yer/ayarlar.txt", "COM Port: 7", "Saat Çipi: PCF8583"})
        QVERIFY2(text_.contains(QString::fromUtf8(line)), line);
    QCOMPARE(countOf(text_, QStringLiteral("^\\s*3\\. Buton\\s+Açık\\s+150\\s+400\\s")), 1);
    QCOMPARE(countOf(text_, QStringLiteral("^\\s*5\\. Terminal\\s+3/MAX\\s*$")), 1);
    QCOMPARE(countOf(text_, QStringLiteral("^\\s*64\\. Terminal(\\s+16/MAX){16}\\s*$")), 1);
}

void TestSiteReport::everyRowOnceAndHeadersOnEachPage()
{
    QCOMPARE(countOf(text_, QStringLiteral("^\\s*\\d+\\. Buton\\s")), 32);
    QCOMPARE(countOf(text_, QStringLiteral("^\\s*\\d+\\. Terminal\\s")), 64);
    for (const QString &page : text_.split(QLatin1Char('\f'))) {
        if (countOf(page, QStringLiteral("^\\s*\\d+\\. Terminal\\s")) > 0)
            QCOMPARE(countOf(page, QStringLiteral("^\\s*Terminal\\s+1\\s+2\\s+3\\s")), 1);
    }
}

void TestSiteReport::a4Pages()
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf_});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+84[12][.\\d]* x 595[.\\d]* pts \\(A4\\)"))),
             qPrintable(info));
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY(pages.captured(1).toInt() > 1);
}

void TestSiteReport::unwritablePathIsTold()
{
    const QString path = dir_.filePath(QStringLiteral("yok/rapor.pdf"));
    const QString said = writeSiteReport(path, knownSite(), kFacts);
    QVERIFY2(said.startsWith(QStringLiteral("Rapor yazılamadı: ")) && said.contains(path), qPrintable(said));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestSiteReport)
#include "tst_site_report.moc"
