#include "ui/window/taskbar_progress.h"

#include <QtGlobal>

namespace {

constexpr int kWhole = 100;

}  // namespace

TaskbarProgress::TaskbarProgress(QWidget &window) : desktop_(taskbarDesktopFor(window))
{
}

TaskbarProgress::~TaskbarProgress() = default;

void TaskbarProgress::show(int sent, int total)
{
    const int percent = total > 0 ? static_cast<int>(static_cast<qint64>(sent) * kWhole / total) : 0;
    if (percent == shownPercent_)
        return;
    shownPercent_ = percent;
    desktop_->show(percent, error_);
}

void TaskbarProgress::showError()
{
    if (error_)
        return;
    error_ = true;
    desktop_->show(shownPercent_ < 0 ? 0 : shownPercent_, error_);
}

void TaskbarProgress::clear()
{
    if (shownPercent_ < 0 && !error_)
        return;
    shownPercent_ = -1;
    error_ = false;
    desktop_->clear();
}
