// Times whole uploads through bilvex-unit-sim:
//  (a) the terminal image on an unpaced pty: the engine's own time per byte beyond its 2 ms wait;
//  (b) the button or terminal image with --pace: the ratio to the 9600 baud line's floor, where
//      every byte goes out and comes back (2 x 10 bits) and the engine waits 2 ms for its echo;
//  (c) the paced button upload through the two front ends, the main window's "Buton Ayarlarını
//      Gönder" and bilvex-send, each against the same floor;
//  (d) bilvex-send's start-up: from starting the process to the first byte at the unit;
//  (e) the paced terminal upload through the main window without and with its status bar's
//      updates (the bytes and the time left, the taskbar's progress), side by side.
// Usage: bilvex-link-bench [terminal|paced-button|paced-terminal|paced-button-fronts|send-start|
//                           paced-terminal-status]...
//        (the first three when none is given)

#include "config/settings_file.h"
#include "images/image_builder.h"
#include "session/unit_session.h"
#include "ui/window/main_menu.h"
#include "ui/window/transfer_status.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kReadWaitMs = 2.0;
constexpr double kByteTimeMs = 10.0 / 9600 * 1000;
constexpr int kButtonBytes = 2079;
constexpr int kTerminalBytes = 41919;
constexpr int kStartRuns = 5;

class CountingDialogs : public OperatorDialogs {
public:
    int boxes = 0;
    void inform(const QString &text) override
    {
        ++boxes;
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
    }
    bool askYesNo(const QString &, const QString &) override { return true; }
    bool askOkCancel(const QString &) override { return false; }
    SaveChoice askToSave(const QString &) override { return SaveChoice::Cancel; }
    QString chooseFileToOpen() override { return {}; }
    QString chooseSiteFileToOpen(SiteFile) override { return {}; }
    QString chooseSiteFileToSave(SiteFile, const QString &) override { return {}; }
    std::optional<PortDescription> choosePort(const std::function<QList<PortRow>()> &) override { return {}; }
};

// bilvex-unit-sim linked as COM1 of a fresh settings folder that holds a settings file.
class SimulatedUnit {
public:
    explicit SimulatedUnit(const QStringList &options)
    {
        qputenv("XDG_CONFIG_HOME", settings_.path().toLocal8Bit());
        Tanimlamalar model;
        if (saveSettingsFile(model) != SettingsError::None)
            qFatal("cannot write a settings file");
        process_.start(QStringLiteral(BILVEX_UNIT_SIM),
                       QStringList{QStringLiteral("--link"), settings_.path() + QStringLiteral("/bilvex/ports/com1")} +
                           options);
        while (process_.waitForReadyRead(10000) && !process_.canReadLine()) {
        }
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimulatedUnit()
    {
        process_.terminate();
        process_.waitForFinished();
    }
    SimulatedUnit(const SimulatedUnit &) = delete;
    SimulatedUnit &operator=(const SimulatedUnit &) = delete;

    QString device() const { return device_; }
    QString scratch(const QString &name) const { return settings_.filePath(name); }

private:
    QTemporaryDir settings_;
    QProcess process_;
    QString device_;
};

double secondsSince(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// Seconds for one upload of the given kind through the session alone.
double timeUpload(TransferMode kind, const QStringList &simOptions)
{
    const SimulatedUnit unit(simOptions);
    Tanimlamalar model;
    buildButtonImage(model, model.ButtonImage);
    buildTerminalImage(model, model.TerminalImage);
    CountingDialogs dialogs;
    UnitSession session(model, dialogs);
    if (session.openPort(QStringLiteral("1")) != StartDecision::Continue)
        qFatal("cannot open the simulated unit's port");

    QEventLoop loop;
    QObject::connect(&session, &UnitSession::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    if (!session.send(kind))
        qFatal("cannot open the simulated unit's port");
    loop.exec();
    const double seconds = secondsSince(clock);
    if (dialogs.boxes > 0)
        qFatal("the upload showed %d boxes", dialogs.boxes);
    return seconds;
}

// Seconds from the click on the send button (which saves the settings file first) to the
// last echo, in a window started as the operator starts it; without its status bar's
// transfer line and taskbar progress when asked.
double timeWindowUpload(const QString &button, bool statusUpdates = true)
{
    const SimulatedUnit unit({QStringLiteral("--pace")});
    Tanimlamalar model;
    CountingDialogs dialogs;
    UnitSession session(model, dialogs);
    Main_Menu window(model, dialogs, session);
    if (window.Form_Load() != StartDecision::Continue)
        qFatal("the window did not start");
    window.show();
    if (!statusUpdates)
        QObject::disconnect(&session, nullptr, &window.findChild<TransferStatus *>()->watch(), nullptr);

    QEventLoop loop;
    QObject::connect(&session, &UnitSession::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    window.findChild<QPushButton *>(button)->click();
    loop.exec();
    const double seconds = secondsSince(clock);
    if (dialogs.boxes > 0)
        qFatal("the upload showed %d boxes", dialogs.boxes);
    return seconds;
}

// The transfer's seconds as bilvex-send's summary line gives them, and the process's.
std::pair<double, double> timeSendButtonUpload(const QStringList &options = {})
{
    const SimulatedUnit unit({QStringLiteral("--pace")});
    QProcess send;
    QElapsedTimer clock;
    clock.start();
    send.start(QStringLiteral(BILVEX_SEND), options + QStringList{QStringLiteral("buttons")});
    send.waitForFinished(-1);
    const double processSeconds = secondsSince(clock);
    const QString said = QString::fromUtf8(send.readAllStandardError());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^buttons: 2079/2079 bayt, 0 hatalı yankı, ([0-9.]+) s, "),
                           QRegularExpression::MultilineOption)
            .match(said);
    if (send.exitCode() != 0 || !match.hasMatch())
        qFatal("bilvex-send failed: %s", qPrintable(said));
    return {match.captured(1).toDouble(), processSeconds};
}

// Milliseconds from starting bilvex-send to the first byte in the unit's record.
double timeSendStart()
{
    QTemporaryDir records;
    const QString record = records.filePath(QStringLiteral("received.bin"));
    const SimulatedUnit unit({QStringLiteral("--record"), record});
    QProcess send;
    QElapsedTimer clock;
    clock.start();
    send.start(QStringLiteral(BILVEX_SEND), {QStringLiteral("clock")});
    while (QFileInfo(record).size() == 0 && clock.elapsed() < 10000)
        QThread::usleep(100);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    send.waitForFinished(-1);
    if (send.exitCode() != 0)
        qFatal("bilvex-send failed: %s", send.readAllStandardError().constData());
    return ms;
}

double lineFloorSeconds(int bytes)
{
    return bytes * (2 * kByteTimeMs + kReadWaitMs) / 1000;
}

void benchTerminal()
{
    const double seconds = timeUpload(TransferMode::TerminalSettings, {});
    const int roundTrips = kTerminalBytes + 1;
    const double perByteMs = seconds * 1000 / roundTrips;
    std::printf("terminal upload, unpaced: %.2f s for %d round trips = %.3f ms each, %.3f ms beyond the 2 ms wait\n",
                seconds, roundTrips, perByteMs, perByteMs - kReadWaitMs);
}

void benchPaced(const char *name, TransferMode kind, int bytes)
{
    const double seconds = timeUpload(kind, {QStringLiteral("--pace")});
    const double floorSeconds = lineFloorSeconds(bytes);
    std::printf("%s upload at 9600 baud (--pace): %.3f s, line floor %.3f s, ratio %.3f\n", name, seconds, floorSeconds,
                seconds / floorSeconds);
}

void benchPacedButtonFronts()
{
    const double floorSeconds = lineFloorSeconds(kButtonBytes);
    const double window = timeWindowUpload(QStringLiteral("Buton_Gonder"));
    std::printf("button upload through the window at 9600 baud (--pace): %.3f s, line floor %.3f s, ratio %.3f\n",
                window, floorSeconds, window / floorSeconds);
    const auto [transfer, process] = timeSendButtonUpload();
    std::printf("button upload through bilvex-send at 9600 baud (--pace): %.3f s (whole process %.3f s), line floor "
                "%.3f s, ratio %.3f\n",
                transfer, process, floorSeconds, transfer / floorSeconds);
    QTemporaryDir traces;
    const auto [traced, tracedProcess] =
        timeSendButtonUpload({QStringLiteral("--trace"), traces.filePath(QStringLiteral("trace.txt"))});
    std::printf("button upload through bilvex-send with --trace at 9600 baud (--pace): %.3f s (whole process %.3f s), "
                "line floor %.3f s, ratio %.3f, %+.2f %% against without\n",
                traced, tracedProcess, floorSeconds, traced / floorSeconds, (traced / transfer - 1) * 100);
}

// The window's upload with and without its status bar's updates, one after the other.
void benchPacedTerminalStatus()
{
    const QString send = QStringLiteral("Terminal_Gonder");
    const double without = timeWindowUpload(send, false);
    const double with = timeWindowUpload(send, true);
    std::printf("terminal upload through the window at 9600 baud (--pace): %.3f s without the status bar's updates, "
                "%.3f s with them: %+.2f %%\n",
                without, with, (with / without - 1) * 100);
}

void benchSendStart()
{
    std::vector<double> runs;
    runs.reserve(kStartRuns);
    for (int i = 0; i < kStartRuns; ++i)
        runs.push_back(timeSendStart());
    std::sort(runs.begin(), runs.end());
    std::printf("bilvex-send start to the first byte at the unit: median %.1f ms of %d (%.1f .. %.1f ms)\n",
                runs[kStartRuns / 2], kStartRuns, runs.front(), runs.back());
}

}  // namespace

int main(int argc, char *argv[])
{
    // The window bench needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const auto asked = [&](const char *name) { return arguments.contains(QLatin1String(name)); };
    if (arguments.isEmpty() || asked("terminal"))
        benchTerminal();
    if (arguments.isEmpty() || asked("paced-button"))
        benchPaced("button", TransferMode::ButtonSettings, kButtonBytes);
    if (arguments.isEmpty() || asked("paced-terminal"))
        benchPaced("terminal", TransferMode::TerminalSettings, kTerminalBytes);
    if (asked("paced-button-fronts"))
        benchPacedButtonFronts();
    if (asked("send-start"))
        benchSendStart();
    if (asked("paced-terminal-status"))
        benchPacedTerminalStatus();
    return 0;
}
