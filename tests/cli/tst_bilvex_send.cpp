// bilvex-send as an installer runs it, against the simulated unit on a pseudo-terminal:
// what the unit received, the exit status and what the program said on its error output.
#include "byte_sequence.h"
#include "config/settings_file.h"
#include "panels/startup_images.h"
#include "settings_folder.h"
#include "unit_sim_process.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kRunMs = 400000;
constexpr int kButtonBytes = 2079;
constexpr int kTerminalBytes = 41919;

struct Run {
    int status = -1;
    QString said;  // the error output
    QByteArray output;
    qint64 ms = 0;
};

Run runSend(const QStringList &arguments)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(BILVEX_SEND), arguments);
    process.waitForFinished(kRunMs);
    Run run;
    run.ms = clock.elapsed();
    if (process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.said = QString::fromUtf8(process.readAllStandardError());
    run.output = process.readAllStandardOutput();
    return run;
}

// A site's settings: group 1 and terminal 1 (the ones start-up puts in the panels) and
// others beside them.
Tanimlamalar siteSettings()
{
    Tanimlamalar m;
    m.ClockChip = kClockChipPcf8583;
    m.GroupEnable[0] = m.GroupEnableCopy[0] = kEnabled;
    m.GroupStart[0] = 12;
    m.GroupEnd[0] = 400;
    m.GroupLayout[0] = 3;
    m.GroupStart[9] = 500;
    m.PriorityGroup[0][0] = 3;
    m.PriorityCount[0][0] = kMaxCount;
    m.PriorityGroup[1][0] = 3;
    m.PriorityCount[1][0] = kMaxCount;
    return m;
}

// The images the window's start-up builds from the file.
Tanimlamalar startupImagesOf(const QString &settingsFile)
{
    Tanimlamalar m;
    if (loadSettingsFile(m, settingsFile) != SettingsError::None)
        qFatal("cannot read %s", qPrintable(settingsFile));
    buildStartupImages(m);
    return m;
}

// The clock frame's six records as the unit reads them, for the PCF8583: seconds, minutes
// and hours in BCD at registers 2, 3, 4; the time they give, to the second.
QTime pcf8583FrameTime(const QByteArray &frame)
{
    const QByteArray registers = bytes({0x02, 0x03, 0x04, 0x05, 0x06, 0x10});
    for (qsizetype k = 0; k < 6; ++k) {
        if (frame.at(4 * k) != char(0xB4) || frame.at(4 * k + 1) != registers.at(k) ||
            frame.at(4 * k + 3) != char(0xBE))
            return {};
    }
    const auto bcd = [&](qsizetype k) {
        const auto value = uint8_t(frame.at(4 * k + 2));
        return (value >> 4) * 10 + (value & 0x0F);
    };
    return {bcd(2), bcd(1), bcd(0)};
}

// The ticket layout 'AB',13 sent as "16th Ticket": records AF, data, k, 0F, A5 for k = 0..255.
QByteArray ticketLine()
{
    QByteArray line = bytes({0xAA});
    const QByteArray layout("AB\r");
    for (int k = 0; k < 256; ++k)
        line += bytes({0xAF, k < layout.size() ? layout.at(k) : 0, k, 0x0F, 0xA5});
    return line;
}

// The file as it lies on disk: a send must leave it so.
QByteArray fileState(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "missing";
    return file.readAll() + file.fileTime(QFileDevice::FileModificationTime).toString(Qt::ISODateWithMs).toUtf8();
}

// A socket as a program serving it leaves one: a name in a folder.
bool makeSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

void writeSettings(const SettingsFolder &folder, const QByteArray &bytes)
{
    folder.writeFile(bytes);
    QFile file(folder.settingsFile());
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)), QFileDevice::FileModificationTime);
}

// The record for support holds, in time order, every byte the unit received, an answer for
// each, and each transfer's summary line.
void checkTrace(const QString &path, const QByteArray &received, const QStringList &summaries)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    static const QRegularExpression shape(QStringLiteral("^(\\d+\\.\\d{3}) ([<>=]) (.+)$"));
    QByteArray sent;
    qsizetype answers = 0;
    QStringList notes;
    double last = 0;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = shape.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QVERIFY(match.captured(1).toDouble() >= last);
        last = match.captured(1).toDouble();
        if (match.captured(2) == QLatin1String(">"))
            sent += QByteArray::fromHex(match.captured(3).toLatin1());
        else if (match.captured(2) == QLatin1String("<"))
            answers += QByteArray::fromHex(match.captured(3).toLatin1()).size();
        else
            notes << match.captured(3);
    }
    QCOMPARE(sent, received);
    QCOMPARE(answers, received.size());  // the unit answers every byte with one
    QCOMPARE(notes, summaries);
}

}  // namespace

class TestBilvexSend : public QObject {
    Q_OBJECT

private slots:
    void sendsEachWhatInTheOrderGiven();
    void terminalsSendTheWholeImage();
    void faultsEndWithTheirStatus_data();
    void faultsEndWithTheirStatus();
    void listsThePorts();
    void answersHelpAndVersion_data();
    void answersHelpAndVersion();
    void stopRequestsEndTheRunInOrder_data();
    void stopRequestsEndTheRunInOrder();
    void slowAdapterIsNamedOnce();
    void failedWritesNeverStopTheUpload_data();
    void failedWritesNeverStopTheUpload();
};

// The settings file's own COM port (1, linked to the unit) and the tool's own settings file.
void TestBilvexSend::sendsEachWhatInTheOrderGiven()
{
    SettingsFolder folder;
    writeSettings(folder, settingsFileBytes(siteSettings()));
    const QByteArray fileBefore = fileState(folder.settingsFile());
    UnitSimProcess unit(QStringLiteral(BILVEX_UNIT_SIM), folder.folder() + QStringLiteral("/ports/com1"));
    QVERIFY(unit.started());
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("bilet.txt"));
    QFile layoutFile(layout);
    QVERIFY(layoutFile.open(QIODevice::WriteOnly));
    layoutFile.write("'AB',13\r\n");
    layoutFile.close();

    const QTime before = QTime::currentTime();
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    const Run run =
        runSend({QStringLiteral("clock"), QStringLiteral("buttons"), QStringLiteral("ticket=") + layout,
                 QStringLiteral("--ticket-number"), QStringLiteral("16"), QStringLiteral("--trace"), trace});
    QCOMPARE(run.status, 0);

    const QByteArray received = unit.received();
    QCOMPARE(received.size(), 1 + 24 + 1 + kButtonBytes + 1 + 1280);
    QCOMPARE(received.at(0), char(0xAA));
    const QTime sent = pcf8583FrameTime(received.mid(1, 24));
    QVERIFY2(sent.isValid() && before.secsTo(sent) >= -1 && sent.secsTo(QTime::currentTime()) >= -1,
             qPrintable(received.mid(1, 24).toHex(' ')));
    const QByteArray buttons = received.mid(25, 1 + kButtonBytes);
    QCOMPARE(buttons, startAndImage(startupImagesOf(folder.settingsFile()).ButtonImage.data(), kButtonBytes));
    // Group 1 starts at 12: the low and the high byte at addresses 0x1000 and 0x1001.
    QCOMPARE(buttons.mid(1, 10), bytes({0xAA, 0x0C, 0x10, 0x00, 0xA0, 0xAA, 0x00, 0x10, 0x01, 0xA0}));
    QCOMPARE(received.mid(25 + 1 + kButtonBytes), ticketLine());

    const QStringList lines = run.said.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith(QStringLiteral("clock: 24/24 bayt, 0 hatalı yankı, ")), qPrintable(run.said));
    QVERIFY2(lines[1].startsWith(QStringLiteral("buttons: 2079/2079 bayt, 0 hatalı yankı, ")), qPrintable(run.said));
    QVERIFY2(lines[2].startsWith(QStringLiteral("ticket=") + layout + QStringLiteral(": 1280/1280 bayt")),
             qPrintable(run.said));
    QCOMPARE(fileState(folder.settingsFile()), fileBefore);
    checkTrace(trace, received, lines);
}

// About 90 s (41,919 round trips with the 2 ms wait): run by its own CTest entry.
void TestBilvexSend::terminalsSendTheWholeImage()
{
    if (qEnvironmentVariableIsEmpty("BILVEX_FULL_TERMINAL_UPLOAD"))
        QSKIP("the whole terminal upload runs as tst_send_terminal_upload");
    SettingsFolder folder;
    writeSettings(folder, settingsFileBytes(siteSettings()));
    UnitSimProcess unit(QStringLiteral(BILVEX_UNIT_SIM), folder.folder() + QStringLiteral("/ports/com1"));
    QVERIFY(unit.started());

    const Run run = runSend({QStringLiteral("--settings"), folder.settingsFile(), QStringLiteral("--port"),
                             unit.devicePath(), QStringLiteral("terminals")});
    QCOMPARE(run.status, 0);
    const QByteArray received = unit.received();
    QCOMPARE(received, startAndImage(startupImagesOf(folder.settingsFile()).TerminalImage.data(), kTerminalBytes));
    // Terminal 2, slot 1: group 3 at address 64, count MAX at address 96.
    QCOMPARE(received.mid(1 + 320, 5), bytes({0xAA, 0x03, 0x00, 0x40, 0xA0}));
    QCOMPARE(received.mid(1 + 20960, 5), bytes({0xAA, 0xFF, 0x00, 0x60, 0xA0}));
    QVERIFY2(run.said.startsWith(QStringLiteral("terminals: 41919/41919 bayt, 0 hatalı yankı, ")),
             qPrintable(run.said));
}

void TestBilvexSend::faultsEndWithTheirStatus_data()
{
    QTest::addColumn<QByteArray>("settings");     // the file's bytes; empty: no file
    QTest::addColumn<QStringList>("unitFaults");  // bilvex-unit-sim's fault options
    QTest::addColumn<QStringList>("arguments");   // "UNIT" stands for the unit's device
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");      // a line of the error output
    QTest::addColumn<int>("unitReceives");  // bytes; -1: not looked at

    const QByteArray site = settingsFileBytes(siteSettings());
    Tanimlamalar overflowing = siteSettings();
    overflowing.GroupStart[5] = 12345;
    QByteArray beyond16Bits = settingsFileBytes(overflowing);
    beyond16Bits.replace("12345", "70000");
    Tanimlamalar count300 = siteSettings();
    count300.PriorityCount[0][0] = 300;
    Tanimlamalar layout20 = siteSettings();
    layout20.GroupLayout[0] = 20;
    const QStringList none;
    const QStringList unit{QStringLiteral("--port"), QStringLiteral("UNIT")};

    QTest::newRow("wrong echo: reported, the transfer goes on")
        << site << QStringList{QStringLiteral("--wrong-echo-at"), QStringLiteral("5")}
        << unit + QStringList{QStringLiteral("buttons")} << 1
        << QStringLiteral("Yükleme Hatası! Gönderilen:' 170' Yüklenen:' 85'") << 1 + kButtonBytes;
    QTest::newRow("silent unit: ends after the time-out")
        << site << QStringList{QStringLiteral("--silent-after"), QStringLiteral("10")}
        << unit + QStringList{QStringLiteral("--timeout"), QStringLiteral("2"), QStringLiteral("terminals")} << 4
        << QStringLiteral("Ünite 2 saniyedir yanıt vermiyor; gönderim yarıda kesildi.") << 1 + 11;
    QTest::newRow("line dropped") << site << QStringList{QStringLiteral("--hangup-after"), QStringLiteral("10")}
                                  << QStringList{QStringLiteral("buttons")} << 4
                                  << QStringLiteral("1 Numaralı Com Port bağlantısı kesildi.") << -1;
    QTest::newRow("file cut short") << site.left(3000) << none << QStringList{QStringLiteral("buttons")} << 2
                                    << QStringLiteral("Hata kodu:62   Hatalı formatta dosya. "
                                                      "C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt isimli dosyayı "
                                                      "harddiskten silip tekrar deneyiniz")
                                    << 0;
    QTest::newRow("value beyond 16 bits") << beyond16Bits << none << QStringList{QStringLiteral("clock")} << 2
                                          << QStringLiteral("Dosya okuma fonksiyonu. Hata Kodu:  6") << 0;
    QTest::newRow("no settings file, none written")
        << QByteArray() << none << QStringList{QStringLiteral("clock")} << 2
        << QStringLiteral("Ayarlar dosyası yok. bilvex-send dosya oluşturmaz; hiçbir şey gönderilmedi.") << 0;
    // Beyond an hour the timer overflowed and a silent unit hung the program; below 0.1 s,
    // or not finite, a healthy unit was reported silent.
    for (const char *timeout : {"inf", "nan", "1e300", "3000000", "0.0001"}) {
        QTest::addRow("--timeout %s", timeout)
            << site << none << unit + QStringList{QStringLiteral("--timeout"), timeout, QStringLiteral("buttons")} << 2
            << QStringLiteral("Süre 0.1 ile 3600 saniye arasında olmalı: %1").arg(timeout) << 0;
    }
    // A pipe without a writer blocked the open for ever.
    for (const char *place : {"PIPE", "FOLDER", "/dev/zero"}) {
        QTest::addRow("--settings %s", place)
            << site << none << QStringList{QStringLiteral("--settings"), place, QStringLiteral("clock")} << 2
            << QStringLiteral("Dosya okuma fonksiyonu. Hata Kodu:  70") << 0;
    }
    // The record replaces its file: never an input of the call by any name, never a device,
    // pipe, socket or folder. Refused before the port is opened.
    const QString inputTrace = QStringLiteral("Kayıt dosyası, gönderimin okuduğu dosyanın kendisi: %1. Kayıt onun "
                                              "yerine yazılırdı; başka bir ad veriniz. Hiçbir şey gönderilmedi.");
    const QString oddTrace = QStringLiteral("Kayıt dosyası sıradan bir dosya değil (aygıt, boru, soket ya da "
                                            "klasör): %1; hiçbir şey gönderilmedi.");
    for (const char *trace : {"SETTINGS", "LINK", "DOTTED", "LAYOUT"}) {
        QTest::addRow("--trace %s", trace)
            << site << none << QStringList{QStringLiteral("--port"),  QStringLiteral("/dev/no-such-port"),
                                           QStringLiteral("--trace"), trace,
                                           QStringLiteral("clock"),   QStringLiteral("ticket=LAYOUT")}
            << 2 << inputTrace.arg(trace) << 0;
    }
    for (const char *trace : {"/dev/null", "PIPE", "SOCKET", "FOLDER", "DANGLING"}) {
        QTest::addRow("--trace %s", trace) << site << none
                                           << QStringList{QStringLiteral("--port"), QStringLiteral("/dev/no-such-port"),
                                                          QStringLiteral("--trace"), trace, QStringLiteral("clock")}
                                           << 2 << oddTrace.arg(trace) << 0;
    }
    QTest::newRow("count 300 refuses the terminal image")
        << settingsFileBytes(count300) << none << QStringList{QStringLiteral("clock"), QStringLiteral("terminals")} << 2
        << QStringLiteral("1. Terminal, 1. Öncelikli Buton: 300 gönderilemez.") << 0;
    QTest::newRow("layout 20 refuses the button image")
        << settingsFileBytes(layout20) << none << QStringList{QStringLiteral("buttons")} << 2
        << QStringLiteral("1. Buton, Bilet Data Numarası: 20 gönderilemez.") << 0;
    QTest::newRow("layout file missing") << site << none << QStringList{QStringLiteral("ticket=/no/such/bilet.txt")}
                                         << 2 << QStringLiteral("Bilet dosyası okunamadı: /no/such/bilet.txt") << 0;
    QTest::newRow("unknown word") << site << none << QStringList{QStringLiteral("button")} << 2
                                  << QStringLiteral("Bilinmeyen gönderim: button (buttons, terminals, clock ya da "
                                                    "ticket=DOSYA)")
                                  << 0;
    QTest::newRow("device missing") << site << none
                                    << QStringList{QStringLiteral("--port"), QStringLiteral("/dev/no-such-port"),
                                                   QStringLiteral("buttons")}
                                    << 3 << QStringLiteral("Port bulunamadı.") << 0;
}

void TestBilvexSend::faultsEndWithTheirStatus()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, unitFaults);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(int, unitReceives);
    SettingsFolder folder;
    if (!settings.isEmpty())
        writeSettings(folder, settings);
    const QByteArray fileBefore = fileState(folder.settingsFile());
    UnitSimProcess unit(QStringLiteral(BILVEX_UNIT_SIM), folder.folder() + QStringLiteral("/ports/com1"), unitFaults);
    QVERIFY(unit.started());
    arguments.replaceInStrings(QStringLiteral("UNIT"), unit.devicePath());
    QTemporaryDir places;
    const QString pipe = places.filePath(QStringLiteral("pipe"));
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    const QString socket = places.filePath(QStringLiteral("socket"));
    QVERIFY(makeSocket(socket));
    const QString layout = places.filePath(QStringLiteral("bilet.txt"));
    QFile layoutFile(layout);
    QVERIFY(layoutFile.open(QIODevice::WriteOnly) && layoutFile.write("AB\r\n") == 4);
    layoutFile.close();
    QVERIFY(QFile::link(folder.settingsFile(), places.filePath(QStringLiteral("link"))));
    QVERIFY(QFile::link(places.filePath(QStringLiteral("nowhere")), places.filePath(QStringLiteral("dangling"))));
    const QFileInfo settingsFile(folder.settingsFile());
    const QStringList placeholders{QStringLiteral("PIPE"),     QStringLiteral("SOCKET"),  QStringLiteral("FOLDER"),
                                   QStringLiteral("SETTINGS"), QStringLiteral("LINK"),    QStringLiteral("DOTTED"),
                                   QStringLiteral("LAYOUT"),   QStringLiteral("DANGLING")};
    const QStringList paths{pipe,
                            socket,
                            places.path(),
                            folder.settingsFile(),
                            places.filePath(QStringLiteral("link")),
                            settingsFile.path() + QStringLiteral("/ports/../") + settingsFile.fileName(),
                            layout,
                            places.filePath(QStringLiteral("dangling"))};
    for (qsizetype k = 0; k < placeholders.size(); ++k) {
        arguments.replaceInStrings(placeholders.at(k), paths.at(k));
        said.replace(placeholders.at(k), paths.at(k));
    }

    const Run run = runSend(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(run.said.split(QLatin1Char('\n')).contains(said), qPrintable(run.said));
    QVERIFY2(!run.said.contains(QStringLiteral("oluşturulacak")), qPrintable(run.said));  // never promises a file
    if (unitReceives >= 0)
        QCOMPARE(unit.received().size(), unitReceives);
    if (status == 4 && unitFaults.contains(QStringLiteral("--silent-after")))
        QVERIFY2(run.ms < 3000, qPrintable(QString::number(run.ms)));
    QCOMPARE(fileState(folder.settingsFile()), fileBefore);
}

// Whatever ports this machine has: one line each, five fields, or a note that there are none.
void TestBilvexSend::listsThePorts()
{
    const Run run = runSend({QStringLiteral("--list-ports")});
    QCOMPARE(run.status, 0);
    const QList<QByteArray> lines = run.output.split('\n');
    if (run.output.isEmpty())
        QCOMPARE(run.said, QStringLiteral("Seri port bulunamadı.\n"));
    for (const QByteArray &line : lines.mid(0, lines.size() - 1))
        QCOMPARE(line.count('\t'), 4);
}

void TestBilvexSend::answersHelpAndVersion_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("firstLine");
    for (const char *program : {BILVEX_SEND, BILVEX_CONFIG}) {
        const QString name = QFileInfo(QString::fromLocal8Bit(program)).fileName();
        QTest::addRow("%s --version", qPrintable(name)) << program << "--version" << name + QStringLiteral(" 3.4.0");
        QTest::addRow("%s --help", qPrintable(name)) << program << "--help" << QStringLiteral("Kullanım:");
    }
}

// Without a display too, each line within a terminal's 80 columns.
void TestBilvexSend::answersHelpAndVersion()
{
    QFETCH(QString, program);
    QFETCH(QString, option);
    QFETCH(QString, firstLine);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(program, {option});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    QVERIFY2(lines.first().startsWith(firstLine), qPrintable(lines.first()));
    for (const QString &line : lines)
        QVERIFY2(line.size() <= 80, qPrintable(line));
}

// The lock Qt's serial port keeps for the device while it is open, wherever Qt put it.
QStringList lockFilesOf(const QString &device)
{
    const QString name =
        QStringLiteral("LCK..") + device.mid(int(qstrlen("/dev/"))).replace(QLatin1Char('/'), QLatin1Char('_'));
    QStringList found;
    for (const char *folder : {"/var/lock", "/run/lock", "/tmp", "/var/tmp"}) {
        const QString path = QString::fromLatin1(folder) + QLatin1Char('/') + name;
        if (QFile::exists(path) && !found.contains(QFileInfo(path).canonicalFilePath()))
            found << QFileInfo(path).canonicalFilePath();
    }
    return found;
}

void TestBilvexSend::stopRequestsEndTheRunInOrder_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM (logout, shutdown)") << int(SIGTERM);
    QTest::newRow("SIGINT (Ctrl-C)") << int(SIGINT);
    QTest::newRow("SIGHUP (terminal closed)") << int(SIGHUP);
}

// The transfer under way is summed up as stopped, in the trace too, and the port is closed
// with its lock removed, so the next program finds it free.
void TestBilvexSend::stopRequestsEndTheRunInOrder()
{
    QFETCH(int, signalNumber);
    SettingsFolder folder;
    writeSettings(folder, settingsFileBytes(siteSettings()));
    UnitSimProcess unit(QStringLiteral(BILVEX_UNIT_SIM), folder.folder() + QStringLiteral("/ports/com1"),
                        {QStringLiteral("--pace")});
    QVERIFY(unit.started());
    const QString trace = folder.folder() + QStringLiteral("/trace.txt");
    QProcess send;
    send.start(QStringLiteral(BILVEX_SEND), {QStringLiteral("--port"), unit.devicePath(), QStringLiteral("--trace"),
                                             trace, QStringLiteral("buttons")});
    QTRY_VERIFY_WITH_TIMEOUT(unit.received().size() > 20, 10000);
    QCOMPARE(lockFilesOf(unit.devicePath()).size(), 1);  // what must go

    ::kill(pid_t(send.processId()), signalNumber);
    QVERIFY(send.waitForFinished(10000));
    QCOMPARE(send.exitStatus(), QProcess::NormalExit);
    QCOMPARE(send.exitCode(), 4);
    QVERIFY(lockFilesOf(unit.devicePath()).isEmpty());
    const QString said = QString::fromUtf8(send.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral(" hatalı yankı, ")) && said.trimmed().endsWith(QStringLiteral("durduruldu")),
             qPrintable(said));
    QFile record(trace);
    QVERIFY(record.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = record.readAll().trimmed().split('\n');
    QVERIFY2(lines.last().contains("= buttons: ") && lines.last().endsWith(", durduruldu"), lines.last().constData());
    QTest::qWait(1000);  // the unit takes a start byte after half a second of silence
    // The echo that was on its way when the program stopped is not taken for the next answer.
    QCOMPARE(runSend({QStringLiteral("--port"), unit.devicePath(), QStringLiteral("clock")}).status, 0);
}

// An adapter that holds every echo for a 16 ms latency timer: said as the upload goes, once,
// with the time a byte takes; the summary names the mean time a byte.
void TestBilvexSend::slowAdapterIsNamedOnce()
{
    SettingsFolder folder;
    writeSettings(folder, settingsFileBytes(siteSettings()));
    UnitSimProcess unit(QStringLiteral(BILVEX_UNIT_SIM), folder.folder() + QStringLiteral("/ports/com1"),
                        {QStringLiteral("--echo-delay"), QStringLiteral("16")});
    QVERIFY(unit.started());
    QProcess send;
    send.start(QStringLiteral(BILVEX_SEND), {QStringLiteral("--port"), unit.devicePath(), QStringLiteral("buttons")});
    QString said;
    QTRY_VERIFY_WITH_TIMEOUT(
        (said += QString::fromUtf8(send.readAllStandardError())).contains(QStringLiteral("Hat yavaş")) ||
            unit.received().size() > 300,
        20000);
    ::kill(pid_t(send.processId()), SIGTERM);
    QVERIFY(send.waitForFinished(10000));
    said += QString::fromUtf8(send.readAllStandardError());
    static const QRegularExpression hint(QStringLiteral("Hat yavaş: bayt başına (\\d+\\.\\d) ms"));
    const QRegularExpressionMatch match = hint.match(said);
    QVERIFY2(match.hasMatch() && match.captured(1).toDouble() >= 16, qPrintable(said));
    QCOMPARE(said.count(QStringLiteral("Hat yavaş")), 1);
    QVERIFY2(said.contains(QStringLiteral("latency_timer")), qPrintable(said));
    static const QRegularExpression mean(QStringLiteral("buttons: \\d+/2079 bayt, 0 hatalı yankı, [0-9.]+ s, "
                                                        "(\\d+\\.\\d) ms/bayt, durduruldu"));
    const QRegularExpressionMatch summary = mean.match(said);
    QVERIFY2(summary.hasMatch() && summary.captured(1).toDouble() >= 16, qPrintable(said));
}

// A trace that cannot be written (here: beyond the file size this process may write) and an
// error output nobody reads any more cost the record or the words, never the upload.
void TestBilvexSend::failedWritesNeverStopTheUpload_data()
{
    QTest::addColumn<bool>("errorOutputClosed");
    QTest::addColumn<QString>("said");
    QTest::newRow("trace beyond the file size limit") << false << QStringLiteral("Kayıt dosyası yazılamadı: TRACE");
    QTest::newRow("error output closed by its reader") << true << QString();
}

void TestBilvexSend::failedWritesNeverStopTheUpload()
{
    QFETCH(bool, errorOutputClosed);
    QFETCH(QString, said);
    SettingsFolder folder;
    writeSettings(folder, settingsFileBytes(siteSettings()));
    UnitSimProcess unit(QStringLiteral(BILVEX_UNIT_SIM), folder.folder() + QStringLiteral("/ports/com1"), {});
    QVERIFY(unit.started());
    QTemporaryDir places;
    const QString trace = places.filePath(QStringLiteral("trace.txt"));
    said.replace(QStringLiteral("TRACE"), trace);

    QProcess process;
    process.setChildProcessModifier([] {
        constexpr rlim_t kTraceRoom = 4096;
        const rlimit limit{kTraceRoom, kTraceRoom};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(QStringLiteral(BILVEX_SEND), {QStringLiteral("--port"), unit.devicePath(), QStringLiteral("--trace"),
                                                trace, QStringLiteral("buttons")});
    QVERIFY(process.waitForStarted());
    if (errorOutputClosed)
        process.closeReadChannel(QProcess::StandardError);
    QVERIFY(process.waitForFinished(kRunMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(unit.received().size(), 1 + kButtonBytes);
    if (!said.isEmpty()) {
        const QStringList lines = QString::fromUtf8(process.readAllStandardError()).split(QLatin1Char('\n'));
        QCOMPARE(lines.count(said), 1);
    }
}

QTEST_GUILESS_MAIN(TestBilvexSend)
#include "tst_bilvex_send.moc"
