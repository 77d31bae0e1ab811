#pragma once

#include <memory>

class QWidget;

// What each desktop is told of a transfer's progress; its failures are its own to swallow.
class TaskbarDesktop {
public:
    virtual ~TaskbarDesktop() = default;
    virtual void show(int percent, bool failing) = 0;
    virtual void clear() = 0;
};

// The platform's, for the window's button or launcher entry.
std::unique_ptr<TaskbarDesktop> taskbarDesktopFor(QWidget &window);
