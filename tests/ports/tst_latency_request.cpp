// The command line of bilvex-config --set-latency, the one command run with administrator
// rights: exactly one shape is taken, anything else is refused before it touches anything.
#include "ports/latency_request.h"

#include <QtTest>

class TestLatencyRequest : public QObject {
    Q_OBJECT

private slots:
    void wellFormedIsTaken_data();
    void wellFormedIsTaken();
    void otherShapesAreRefused_data();
    void otherShapesAreRefused();
    void optionAnywhereClaimsTheLine_data();
    void optionAnywhereClaimsTheLine();
};

namespace {

QStringList line(const QStringList &arguments)
{
    return QStringList{QStringLiteral("bilvex-config.exe")} + arguments;
}

}  // namespace

void TestLatencyRequest::wellFormedIsTaken_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("the window's own fix") << QStringList{"--set-latency", "COM7", "1"} << "COM7" << 1;
    QTest::newRow("lowest port") << QStringList{"--set-latency", "COM1", "4"} << "COM1" << 4;
    QTest::newRow("highest port, highest timer") << QStringList{"--set-latency", "COM256", "16"} << "COM256" << 16;
    QTest::newRow("lower case name") << QStringList{"--set-latency", "com12", "2"} << "COM12" << 2;
    QTest::newRow("mixed case name") << QStringList{"--set-latency", "cOm3", "10"} << "COM3" << 10;
}

void TestLatencyRequest::wellFormedIsTaken()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, port);
    QFETCH(int, milliseconds);
    const std::optional<LatencyRequest> request = parseLatencyRequest(line(arguments));
    QVERIFY(request);
    QCOMPARE(request->portName, port);
    QCOMPARE(request->milliseconds, milliseconds);
}

void TestLatencyRequest::otherShapesAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("port 0") << QStringList{"--set-latency", "COM0", "1"};
    QTest::newRow("port 257") << QStringList{"--set-latency", "COM257", "1"};
    QTest::newRow("port 1000") << QStringList{"--set-latency", "COM1000", "1"};
    QTest::newRow("port with leading zero") << QStringList{"--set-latency", "COM07", "1"};
    QTest::newRow("no port number") << QStringList{"--set-latency", "COM", "1"};
    QTest::newRow("space before port") << QStringList{"--set-latency", " COM3", "1"};
    QTest::newRow("space after port") << QStringList{"--set-latency", "COM3 ", "1"};
    QTest::newRow("newline after port") << QStringList{"--set-latency", "COM3\n", "1"};
    QTest::newRow("letters after port") << QStringList{"--set-latency", "COM3x", "1"};
    QTest::newRow("space inside port") << QStringList{"--set-latency", "COM 3", "1"};
    QTest::newRow("not a COM port") << QStringList{"--set-latency", "LPT1", "1"};
    QTest::newRow("device path") << QStringList{"--set-latency", "\\\\.\\COM3", "1"};
    QTest::newRow("Arabic-Indic digit") << QStringList{"--set-latency", QStringLiteral("COM\u0663"), "1"};
    QTest::newRow("fullwidth digit") << QStringList{"--set-latency", QStringLiteral("COM\uFF13"), "1"};
    QTest::newRow("timer 0") << QStringList{"--set-latency", "COM3", "0"};
    QTest::newRow("timer 17") << QStringList{"--set-latency", "COM3", "17"};
    QTest::newRow("timer with leading zero") << QStringList{"--set-latency", "COM3", "01"};
    QTest::newRow("timer with plus sign") << QStringList{"--set-latency", "COM3", "+1"};
    QTest::newRow("negative timer") << QStringList{"--set-latency", "COM3", "-1"};
    QTest::newRow("hexadecimal timer") << QStringList{"--set-latency", "COM3", "0x1"};
    QTest::newRow("fractional timer") << QStringList{"--set-latency", "COM3", "1.0"};
    QTest::newRow("timer with space") << QStringList{"--set-latency", "COM3", "1 "};
    QTest::newRow("empty timer") << QStringList{"--set-latency", "COM3", ""};
    QTest::newRow("huge timer") << QStringList{"--set-latency", "COM3", "4294967297"};
    QTest::newRow("missing timer") << QStringList{"--set-latency", "COM3"};
    QTest::newRow("missing port and timer") << QStringList{"--set-latency"};
    QTest::newRow("extra argument") << QStringList{"--set-latency", "COM3", "1", "1"};
    QTest::newRow("settings option as well") << QStringList{"--set-latency", "COM3", "1", "--settings", "x.txt"};
    QTest::newRow("option with equals sign") << QStringList{"--set-latency=COM3", "1"};
    QTest::newRow("option not first") << QStringList{"COM3", "--set-latency", "1"};
    QTest::newRow("option in upper case") << QStringList{"--SET-LATENCY", "COM3", "1"};
    QTest::newRow("single dash") << QStringList{"-set-latency", "COM3", "1"};
    QTest::newRow("no arguments") << QStringList{};
}

void TestLatencyRequest::otherShapesAreRefused()
{
    QFETCH(QStringList, arguments);
    QVERIFY(!parseLatencyRequest(line(arguments)));
}

void TestLatencyRequest::optionAnywhereClaimsTheLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("claimed");
    QTest::newRow("well formed") << line({"--set-latency", "COM3", "1"}) << true;
    QTest::newRow("after another option") << line({"--settings", "x.txt", "--set-latency"}) << true;
    QTest::newRow("with equals sign") << line({"--set-latency=COM3"}) << true;
    QTest::newRow("window start") << line({"--settings", "x.txt"}) << false;
    QTest::newRow("report") << line({"--report", "rapor.pdf"}) << false;
    QTest::newRow("longer option of its own") << line({"--set-latency-later", "COM3", "1"}) << false;
    QTest::newRow("none") << line({}) << false;
    // A copy renamed so still opens its window: the program's name is no argument.
    QTest::newRow("program of that name") << QStringList{"--set-latency"} << false;
}

void TestLatencyRequest::optionAnywhereClaimsTheLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, claimed);
    QCOMPARE(asksForLatency(arguments), claimed);
}

QTEST_GUILESS_MAIN(TestLatencyRequest)
#include "tst_latency_request.moc"
