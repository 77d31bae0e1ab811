#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The simulated control unit (bilvex-unit-sim) on a pseudo-terminal, reached through a
// ports/comN link; it records every byte it receives and, when stopped, prints a decoded
// summary of the transfers.
class UnitSimProcess {
public:
    // simPath: the simulator's executable; faults: its fault options, e.g. {"--double-at", "3"}.
    UnitSimProcess(const QString &simPath, const QString &linkPath, const QStringList &faults = {});
    ~UnitSimProcess();

    UnitSimProcess(const UnitSimProcess &) = delete;
    UnitSimProcess &operator=(const UnitSimProcess &) = delete;

    bool started() const;
    QString devicePath() const { return devicePath_; }

    // Ends the unit (SIGTERM); returns its summary. Later calls return the same summary.
    QString stop();

    // Every byte the unit has received so far, the start bytes included.
    QByteArray received() const;

private:
    QTemporaryDir recordDir_;
    QString recordPath_;
    QProcess process_;
    QString devicePath_;
    QString summary_;
};
