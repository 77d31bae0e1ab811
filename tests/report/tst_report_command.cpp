// bilvex-config --report as a script runs it: with no display and no platform chosen.
#include "settings_file.h"
#include "settings_folder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestReportCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void report_data();
    void report();

private:
    QString inFolder(QString text) const;

    SettingsFolder folder_;  // holds the default settings file
    QTemporaryDir dir_;
};

namespace {

struct Run {
    int status = -1;
    QString said;
};

Run runConfig(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(BILVEX_CONFIG), arguments);
    // Exits at once: a window would never end on its own.
    if (!process.waitForFinished(30000))
        process.kill();
    Run run;
    if (process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.said = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace

void TestReportCommand::initTestCase()
{
    Tanimlamalar model;
    model.GroupStart[0] = 150;
    QCOMPARE(saveSettingsFile(model), SettingsError::None);
    QCOMPARE(saveSettingsFile(model, inFolder(QStringLiteral("SITE"))), SettingsError::None);
}

// OUT, SITE and MISSING stand for files in the test's folder; "named" is what the error
// output must name.
void TestReportCommand::report_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("named");
    QTest::newRow("given settings") << QStringList{"--report", "OUT", "--settings", "SITE"} << 0 << true << "";
    QTest::newRow("default settings") << QStringList{"--report", "OUT"} << 0 << true << "";
    QTest::newRow("with =") << QStringList{"--settings=SITE", "--report=OUT"} << 0 << true << "";
    QTest::newRow("missing settings") << QStringList{"--report", "OUT", "--settings", "MISSING"} << 2 << false
                                      << "MISSING";
    QTest::newRow("no PDF name") << QStringList{"--settings", "SITE", "--report"} << 2 << false << "--report";
    QTest::newRow("a window's option") << QStringList{"--report", "OUT", "--screenshot", "x.png"} << 2 << false
                                       << "--screenshot";
    QTest::newRow("no such folder") << QStringList{"--report", "MISSING/OUT", "--settings", "SITE"} << 1 << false
                                    << "MISSING/OUT";
    QTest::newRow("over the settings") << QStringList{"--report", "SITE", "--settings", "SITE"} << 1 << false << "SITE";
}

void TestReportCommand::report()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(bool, written);
    QFETCH(QString, named);
    for (QString &argument : arguments)
        argument = inFolder(argument);
    QFile::remove(inFolder(QStringLiteral("OUT")));

    const Run run = runConfig(arguments);
    QCOMPARE(run.status, status);
    QFile out(inFolder(QStringLiteral("OUT")));
    QCOMPARE(out.open(QIODevice::ReadOnly) && out.read(5) == "%PDF-", written);
    QVERIFY2(run.said.contains(inFolder(named)), qPrintable(run.said));
    // The settings are only read, whatever the command line asked.
    Tanimlamalar site;
    QCOMPARE(loadSettingsFile(site, inFolder(QStringLiteral("SITE"))), SettingsError::None);
    QCOMPARE(site.GroupStart[0], 150);
}

QString TestReportCommand::inFolder(QString text) const
{
    const QList<std::pair<QString, QString>> names{{"OUT", "rapor.pdf"}, {"SITE", "ayarlar.txt"}, {"MISSING", "yok"}};
    for (const auto &[placeholder, name] : names)
        text.replace(placeholder, dir_.filePath(name));
    return text;
}

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_report_command.moc"
