// bilvex-config --report as a script runs it, with no display and no platform chosen, and the
// PDF as a reader finds it: pdftotext's layout and pdfinfo's pages (poppler-utils).
#include "config/settings_file.h"
#include "settings_folder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void exitStatus_data();
    void exitStatus();
    void readsBack();

private:
    int report(const QStringList &arguments);

    SettingsFolder folder_;  // the default settings file's
    QTemporaryDir dir_;      // the working folder: a.txt, the site's settings
    QString said_;
};

namespace {

QString output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int countOf(const QString &text, const QString &pattern)
{
    int count = 0;
    for (auto found = QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text);
         found.hasNext(); found.next())
        ++count;
    return count;
}

}  // namespace

int TestReport::report(const QStringList &arguments)
{
    QFile::remove(dir_.filePath(QStringLiteral("r.pdf")));
    QProcess program;
    program.setWorkingDirectory(dir_.path());
    program.start(QStringLiteral(BILVEX_CONFIG), arguments);
    program.waitForFinished();
    said_ = QString::fromUtf8(program.readAllStandardError());
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

void TestReport::initTestCase()
{
    // The program inherits neither a display nor a platform.
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        qunsetenv(name);
    Tanimlamalar m;
    m.Text4 = QStringLiteral("7");
    m.ClockChip = kClockChipPcf8583;
    m.GroupEnable[2] = kEnabled;
    m.GroupStart[2] = 150;
    m.PriorityGroup[4][2] = 3;
    m.PriorityCount[4][2] = kMaxCount;
    // The widest row there can be, to stay on one line.
    m.PriorityGroup[63].fill(16);
    m.PriorityCount[63].fill(kMaxCount);
    QCOMPARE(saveSettingsFile(m), SettingsError::None);
    QCOMPARE(saveSettingsFile(m, dir_.filePath(QStringLiteral("a.txt"))), SettingsError::None);
}

// "named" is what the error output must name.
void TestReport::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("named");
    QTest::newRow("default settings") << QStringList{"--report=r.pdf"} << 0 << "";
    QTest::newRow("missing settings") << QStringList{"--report", "r.pdf", "--settings", "yok.txt"} << 2 << "yok.txt";
    QTest::newRow("a window's option") << QStringList{"--report", "r.pdf", "--screenshot", "x.png"} << 2
                                       << "--screenshot";
    QTest::newRow("no such folder") << QStringList{"--report", "yok/r.pdf", "--settings", "a.txt"} << 1 << "yok/r.pdf";
    QTest::newRow("over the settings") << QStringList{"--report", "a.txt", "--settings", "a.txt"} << 1 << "a.txt";
}

void TestReport::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, named);
    QCOMPARE(report(arguments), status);
    QCOMPARE(QFile::exists(dir_.filePath(QStringLiteral("r.pdf"))), status == 0);
    QVERIFY2(said_.contains(named), qPrintable(said_));
    Tanimlamalar read;  // only read, whatever was asked
    QCOMPARE(loadSettingsFile(read, dir_.filePath(QStringLiteral("a.txt"))), SettingsError::None);
    QCOMPARE(read.GroupStart[2], 150);
}

void TestReport::readsBack()
{
    QCOMPARE(report({"--report", "r.pdf", "--settings", "a.txt"}), 0);
    const QString pdf = dir_.filePath(QStringLiteral("r.pdf"));
    const QString text = output(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(!text.isEmpty(), "no text from pdftotext: scripts/setup installs poppler-utils");
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    for (const QString &fact : {QStringLiteral("Site Raporu"), today, QStringLiteral("a.txt"),
                                QStringLiteral("COM Port: 7"), QStringLiteral("Saat Çipi: PCF8583")})
        QVERIFY2(text.contains(fact), qPrintable(fact));
    QCOMPARE(countOf(text, QStringLiteral("^\\s*3\\. Buton\\s+Açık\\s+150\\s")), 1);
    QCOMPARE(countOf(text, QStringLiteral("^\\s*5\\. Terminal\\s+3/MAX\\s*$")), 1);
    QCOMPARE(countOf(text, QStringLiteral("^\\s*64\\. Terminal(\\s+16/MAX){16}\\s*$")), 1);
    QCOMPARE(countOf(text, QStringLiteral("^\\s*\\d+\\. Terminal\\s")), 64);
    // Every page the terminals run onto starts with their header row.
    for (const QString &page : text.split(QLatin1Char('\f'))) {
        if (page.contains(QStringLiteral(". Terminal")))
            QCOMPARE(countOf(page, QStringLiteral("^\\s*Terminal\\s+1\\s+2\\s+3\\s")), 1);
    }
    const QString info = output(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:.* pts \\(A4\\)"))), qPrintable(info));
    QVERIFY(QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt() > 1);
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
