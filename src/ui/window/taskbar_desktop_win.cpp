#include "ui/window/taskbar_desktop.h"

#include <QWidget>

#include <shobjidl.h>
#include <windows.h>

namespace {

constexpr ULONGLONG kWhole = 100;

// The shell's ITaskbarList3, made on first use. A shell without it (Wine, a stripped-down
// desktop) leaves the button as it is.
class ShellTaskbar : public TaskbarDesktop {
public:
    explicit ShellTaskbar(QWidget &window) : window_(window) {}
    ~ShellTaskbar() override
    {
        if (list_)
            list_->Release();
    }
    ShellTaskbar(const ShellTaskbar &) = delete;
    ShellTaskbar &operator=(const ShellTaskbar &) = delete;

    void show(int percent, bool failing) override
    {
        if (ITaskbarList3 *list = taskbarList()) {
            list->SetProgressState(button(), failing ? TBPF_ERROR : TBPF_NORMAL);
            list->SetProgressValue(button(), static_cast<ULONGLONG>(percent), kWhole);
        }
    }

    void clear() override
    {
        if (list_)
            list_->SetProgressState(button(), TBPF_NOPROGRESS);
    }

private:
    HWND button() const { return reinterpret_cast<HWND>(window_.winId()); }

    ITaskbarList3 *taskbarList()
    {
        if (tried_)
            return list_;
        tried_ = true;
        if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                    reinterpret_cast<void **>(&list_))))
            list_ = nullptr;
        if (list_ && FAILED(list_->HrInit())) {
            list_->Release();
            list_ = nullptr;
        }
        return list_;
    }

    QWidget &window_;
    ITaskbarList3 *list_ = nullptr;
    bool tried_ = false;
};

}  // namespace

std::unique_ptr<TaskbarDesktop> taskbarDesktopFor(QWidget &window)
{
    return std::make_unique<ShellTaskbar>(window);
}
