#include "ports/elevated_fix.h"

#include "ports/latency_request.h"

#include <QCoreApplication>
#include <QDir>

#include <optional>
#include <string>

#include <windows.h>

namespace {

// The registry write takes a moment; a command that has not ended by then is taken as failed.
constexpr DWORD kLongestWaitMs = 60000;

// The exit status of the elevated process; none when it did not run (refused at the prompt
// included) or did not end in time.
std::optional<DWORD> runElevated(const QStringList &arguments, quintptr ownerWindow)
{
    const std::wstring program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdWString();
    const std::wstring parameters = arguments.join(QLatin1Char(' ')).toStdWString();
    SHELLEXECUTEINFOW run = {};
    run.cbSize = sizeof(run);
    run.fMask = SEE_MASK_NOCLOSEPROCESS;
    run.hwnd = reinterpret_cast<HWND>(ownerWindow);
    run.lpVerb = L"runas";
    run.lpFile = program.c_str();
    run.lpParameters = parameters.c_str();
    run.nShow = SW_HIDE;
    if (!ShellExecuteExW(&run) || !run.hProcess)
        return std::nullopt;
    DWORD status = 0;
    const bool ended =
        WaitForSingleObject(run.hProcess, kLongestWaitMs) == WAIT_OBJECT_0 && GetExitCodeProcess(run.hProcess, &status);
    CloseHandle(run.hProcess);
    if (!ended)
        return std::nullopt;
    return status;
}

}  // namespace

bool latencyFixOffered()
{
    return true;
}

// The arguments go through the elevated command's own check first: what reaches a program
// with administrator rights is only ever a well-formed request.
bool runLatencyFix(const QString &portName, quintptr ownerWindow)
{
    const QStringList arguments{kSetLatencyOption, portName, QString::number(kFixedLatencyMs)};
    if (!parseLatencyRequest(QStringList{QCoreApplication::applicationFilePath()} + arguments))
        return false;
    return runElevated(arguments, ownerWindow) == DWORD{0};
}
