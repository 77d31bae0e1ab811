#pragma once

#include "session/send_sequence.h"
#include "session/unit_session.h"

#include <QKeySequence>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// "Birim": the window's three sends, all three in one go ("Hepsini Gönder"), the stop, and
// the record of what the unit got. Each command first takes the number still typed.
class UnitMenu : public QObject {
    Q_OBJECT
public:
    UnitMenu(QMenuBar &bar, UnitSession &session, std::function<void()> takeTyped, QWidget &window);

    SendSequence &sequence() { return sequence_; }
    // Enabled while a transfer or "Hepsini Gönder" runs.
    QAction &stopAction() { return *stop_; }

private:
    void addCommand(QMenu &menu, const QString &caption, const std::function<void()> &command,
                    const QKeySequence &shortcut = {});
    void stop();
    void showRunning();
    void showHistory();

    UnitSession &session_;
    std::function<void()> takeTyped_;
    QWidget &window_;
    SendSequence sequence_;
    QAction *stop_ = nullptr;
};
