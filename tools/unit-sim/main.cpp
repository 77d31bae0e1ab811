#include "line_pacer.h"
#include "pseudo_terminal.h"
#include "sim_options.h"
#include "sim_summary.h"
#include "transfer_log.h"
#include "unit_responder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void installStopHandlers()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a signal must wake the waiting poll().
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

struct Unit {
    PseudoTerminal &line;
    TransferLog log;
    UnitResponder responder;
    LinePacer pacer;
    QFile record;
    FaultOptions faults;
};

// A late piece must come that long after its answer, not whenever a busy machine wakes the
// simulator: the last stretch is spent spinning, as the line pacer does.
void sleepMs(double ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double, std::milli>(ms);
    std::this_thread::sleep_until(until - std::chrono::microseconds(300));
    while (std::chrono::steady_clock::now() < until) {
    }
}

bool send(const Unit &unit, const QByteArray &bytes)
{
    return bytes.isEmpty() || ::write(unit.line.masterFd(), bytes.constData(), bytes.size()) >= 0;
}

// Answers one received byte; false once the line has been dropped.
bool answerByte(Unit &unit, uint8_t byte, qint64 atMs, LinePacer::Clock::time_point receivedAt)
{
    const int index = unit.log.add(byte, atMs);
    const UnitAnswer answer = unit.responder.answer(byte, index);
    if (answer.hangUp) {
        unit.line.hangUp();
        return false;
    }
    unit.pacer.awaitAnswerTime(receivedAt, int(answer.bytes.size()));
    if (unit.faults.echoDelayMs > 0 && !answer.bytes.isEmpty())
        sleepMs(unit.faults.echoDelayMs);
    if (!send(unit, answer.bytes))
        return false;
    if (answer.late.isEmpty())
        return true;
    sleepMs(unit.faults.lateGapMs);
    return send(unit, answer.late);
}

void serve(Unit &unit)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    pollfd watched{unit.line.masterFd(), POLLIN, 0};
    std::array<char, 256> buffer{};
    while (!stopRequested) {
        const int ready = ::poll(&watched, 1, 200);
        if (ready < 0 && errno != EINTR)
            return;
        if (ready <= 0)
            continue;
        const ssize_t count = ::read(unit.line.masterFd(), buffer.data(), buffer.size());
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (count <= 0)
            return;
        const auto receivedAt = LinePacer::Clock::now();
        const qint64 atMs = sinceStart.elapsed();
        if (unit.record.isOpen())
            unit.record.write(buffer.data(), count);
        for (ssize_t i = 0; i < count; ++i) {
            if (!answerByte(unit, uint8_t(buffer[i]), atMs, receivedAt))
                return;
        }
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const SimOptions options = parseSimOptions(QCoreApplication::arguments());

    PseudoTerminal line;
    if (!line.open() || (!options.linkPath.isEmpty() && !line.linkTo(options.linkPath))) {
        std::fprintf(stderr, "bilvex-unit-sim: %s\n", qPrintable(line.error()));
        return 1;
    }
    Unit unit{line,          {}, UnitResponder(options.faults), LinePacer(options.pace), QFile(options.recordPath),
              options.faults};
    if (!options.recordPath.isEmpty() && !unit.record.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        std::fprintf(stderr, "bilvex-unit-sim: cannot write %s\n", qPrintable(options.recordPath));
        return 1;
    }
    installStopHandlers();
    std::printf("%s\n", qPrintable(line.devicePath()));
    std::fflush(stdout);

    serve(unit);

    for (const QString &text : summaryLines(unit.log))
        std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
    return 0;
}
