#pragma once

#include <QObject>

#include <memory>

// The desktop session's request that the program end: SIGTERM, SIGINT and SIGHUP on Linux
// (a logout, a shutdown, Ctrl-C, a closed terminal), the console's Ctrl-C, close, log-off and
// shutdown events on Windows. Each arrives as `requested` on the UI thread, so the program
// quits its event loop and closes the port in order: Qt's lock file goes with it.
// One instance at a time.
class StopRequests : public QObject {
    Q_OBJECT
public:
    explicit StopRequests(QObject *parent = nullptr);
    ~StopRequests() override;
    StopRequests(const StopRequests &) = delete;
    StopRequests &operator=(const StopRequests &) = delete;

    // A request came before anyone could act on it (during a start-up box, say).
    bool wasRequested() const { return requested_; }

signals:
    void requested();

private:
    Q_INVOKABLE void deliver()
    {
        requested_ = true;
        emit requested();
    }

    bool requested_ = false;
    class Platform;
    std::unique_ptr<Platform> platform_;
};
