// Times whole uploads through bilvex-unit-sim:
//  (a) the terminal image on an unpaced pty: the engine's own time per byte beyond its 2 ms wait;
//  (b) the button or terminal image with --pace: the ratio to the 9600 baud line's floor, where
//      every byte goes out and comes back (2 x 10 bits) and the engine waits 2 ms for its echo.
// Usage: bilvex-link-bench [terminal|paced-button|paced-terminal]...   (all three when none is given)

#include "image_builder.h"
#include "unit_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr double kReadWaitMs = 2.0;
constexpr double kByteTimeMs = 10.0 / 9600 * 1000;
constexpr int kButtonBytes = 2079;
constexpr int kTerminalBytes = 41919;

class CountingDialogs : public OperatorDialogs {
public:
    int boxes = 0;
    void inform(const QString &text) override
    {
        ++boxes;
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
    }
    bool askYesNo(const QString &, const QString &) override { return true; }
    QString chooseFileToOpen() override { return {}; }
    std::optional<PortDescription> choosePort(const std::function<QList<PortRow>()> &) override { return {}; }
};

// Seconds for one upload of the given kind through a fresh simulated unit.
double timeUpload(TransferMode kind, const QStringList &simOptions)
{
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QProcess sim;
    sim.start(QStringLiteral(BILVEX_UNIT_SIM),
              QStringList{QStringLiteral("--link"), settings.path() + QStringLiteral("/bilvex/ports/com1")} +
                  simOptions);
    while (sim.waitForReadyRead(10000) && !sim.canReadLine()) {
    }

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
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;

    sim.terminate();
    sim.waitForFinished();
    if (dialogs.boxes > 0)
        qFatal("the upload showed %d boxes", dialogs.boxes);
    return seconds;
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
    const double floorSeconds = bytes * (2 * kByteTimeMs + kReadWaitMs) / 1000;
    std::printf("%s upload at 9600 baud (--pace): %.3f s, line floor %.3f s, ratio %.3f\n", name, seconds, floorSeconds,
                seconds / floorSeconds);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.contains(QStringLiteral("terminal")))
        benchTerminal();
    if (arguments.isEmpty() || arguments.contains(QStringLiteral("paced-button")))
        benchPaced("button", TransferMode::ButtonSettings, kButtonBytes);
    if (arguments.isEmpty() || arguments.contains(QStringLiteral("paced-terminal")))
        benchPaced("terminal", TransferMode::TerminalSettings, kTerminalBytes);
    return 0;
}
