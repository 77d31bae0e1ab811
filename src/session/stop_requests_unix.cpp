#include "session/stop_requests.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kStopSignals{SIGTERM, SIGINT, SIGHUP};

// A signal handler may only write to a descriptor: the UI thread reads the other end.
int wakeWriteEnd = -1;

void onStopSignal(int signalNumber)
{
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(wakeWriteEnd, &byte, 1);
}

}  // namespace

class StopRequests::Platform {
public:
    std::array<int, 2> wake{-1, -1};
    std::array<struct sigaction, kStopSignals.size()> previous{};
    QSocketNotifier *notifier = nullptr;
};

StopRequests::StopRequests(QObject *parent) : QObject(parent), platform_(std::make_unique<Platform>())
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, platform_->wake.data()) != 0)
        return;
    wakeWriteEnd = platform_->wake[1];
    platform_->notifier = new QSocketNotifier(platform_->wake[0], QSocketNotifier::Read, this);
    connect(platform_->notifier, &QSocketNotifier::activated, this, [this] {
        std::array<char, 16> drained{};
        while (::read(platform_->wake[0], drained.data(), drained.size()) > 0) {
        }
        deliver();
    });
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i)
        ::sigaction(kStopSignals.at(i), &action, &platform_->previous.at(i));
}

StopRequests::~StopRequests()
{
    if (platform_->wake[0] >= 0) {
        for (std::size_t i = 0; i < kStopSignals.size(); ++i)
            ::sigaction(kStopSignals.at(i), &platform_->previous.at(i), nullptr);
        wakeWriteEnd = -1;
        ::close(platform_->wake[0]);
        ::close(platform_->wake[1]);
    }
}
