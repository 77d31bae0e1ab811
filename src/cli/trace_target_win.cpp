#include "cli/trace_target.h"

#include "config/windows_path.h"

#include <windows.h>

namespace {

struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool known = false;
};

// The volume and the file's index on it: the same for every name that leads to the file.
FileIdentity identityOf(const QString &path)
{
    FileIdentity identity;
    const HANDLE file =
        CreateFileW(extendedPath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return identity;
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(file, &info))
        identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow, true};
    CloseHandle(file);
    return identity;
}

}  // namespace

Identity compareIdentity(const QString &first, const QString &second)
{
    const FileIdentity a = identityOf(first);
    const FileIdentity b = identityOf(second);
    if (!a.known || !b.known)
        return Identity::Unknown;
    const bool same = a.volume == b.volume && a.indexHigh == b.indexHigh && a.indexLow == b.indexLow;
    return same ? Identity::Same : Identity::Different;
}

// Windows raises no signal for a failed write.
void keepRunningOnFailedWrites()
{
}
