#pragma once

#include <QString>

// The unit's end of the line: the master side of a pseudo-terminal whose slave device
// the configuration tool opens as its serial port.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Opens the pair in raw mode; false with a reason in error().
    bool open();
    // Points linkPath at the device, creating its folder and replacing an older link.
    bool linkTo(const QString &linkPath);
    // Drops the line: the tool's side sees a hang-up.
    void hangUp();

    int masterFd() const { return master_; }
    QString devicePath() const { return devicePath_; }
    QString error() const { return error_; }

private:
    bool fail(const QString &what);

    int master_ = -1;
    // Kept open so the master never reads a hang-up while the tool has the port closed.
    int slave_ = -1;
    QString devicePath_;
    QString linkPath_;
    QString error_;
};
