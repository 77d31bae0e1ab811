#pragma once

#include "ui/window/taskbar_desktop.h"

#include <memory>

class QWidget;

// The running transfer's progress where the operator sees it with the window minimised: on
// the taskbar button on Windows, on the launcher entry of Linux docks that read it. Where the
// desktop offers neither, it does nothing; no failure of it ever touches the transfer.
class TaskbarProgress {
public:
    explicit TaskbarProgress(QWidget &window);
    ~TaskbarProgress();
    TaskbarProgress(const TaskbarProgress &) = delete;
    TaskbarProgress &operator=(const TaskbarProgress &) = delete;

    // Called after every byte: passed on only when the percentage moves.
    void show(int sent, int total);
    // A wrong echo: the rest of the transfer shows as failing.
    void showError();
    void clear();

private:
    std::unique_ptr<TaskbarDesktop> desktop_;
    int shownPercent_ = -1;
    bool error_ = false;
};
