#include "ports/latency_timer.h"

#include <string>
#include <vector>

#include <windows.h>

namespace {

// FTDI's driver keeps each adapter it has seen under FTDIBUS\<device>\<instance>, and reads
// the LatencyTimer beside the port's PortName when the adapter is plugged in.
const wchar_t *const kFtdiDevices = L"SYSTEM\\CurrentControlSet\\Enum\\FTDIBUS";
const wchar_t *const kParameters = L"\\Device Parameters";
const wchar_t *const kPortName = L"PortName";
const wchar_t *const kLatencyTimer = L"LatencyTimer";
// The 64-bit view even for a 32-bit build: the driver's keys are not redirected, and the
// one the driver reads is the one written.
constexpr REGSAM kView = KEY_WOW64_64KEY;
constexpr DWORD kLongestKeyName = 256;  // 255 characters and the terminating null
constexpr DWORD kLongestPortName = 16;  // "COM256" and room to spare; a longer value names no COMn

class OpenKey {
public:
    OpenKey(HKEY parent, const std::wstring &path, REGSAM access)
    {
        if (RegOpenKeyExW(parent, path.c_str(), 0, access | kView, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~OpenKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::vector<std::wstring> subkeys(const OpenKey &key)
{
    std::vector<std::wstring> names;
    if (!key.get())
        return names;
    std::wstring name(kLongestKeyName, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = kLongestKeyName;
        if (RegEnumKeyExW(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return names;
        names.emplace_back(name.data(), length);
    }
}

// A REG_SZ need not end in a null; one or more may follow the text.
bool namesPort(const OpenKey &parameters, const QString &portName)
{
    std::wstring value(kLongestPortName, L'\0');
    DWORD type = 0;
    DWORD bytes = kLongestPortName * sizeof(wchar_t);
    const LSTATUS read =
        RegQueryValueExW(parameters.get(), kPortName, nullptr, &type, reinterpret_cast<BYTE *>(value.data()), &bytes);
    if (read != ERROR_SUCCESS || type != REG_SZ)
        return false;
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0')
        value.pop_back();
    return QString::fromStdWString(value).compare(portName, Qt::CaseInsensitive) == 0;
}

bool writeLatency(const OpenKey &parameters, int milliseconds)
{
    const DWORD value = static_cast<DWORD>(milliseconds);
    return RegSetValueExW(parameters.get(), kLatencyTimer, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value),
                          sizeof(value)) == ERROR_SUCCESS;
}

}  // namespace

// Every instance that carries the name is written: one the driver no longer uses may carry
// it too, and which of them is plugged in is not known here.
bool setLatencyTimer(const LatencyRequest &request)
{
    const OpenKey devices(HKEY_LOCAL_MACHINE, kFtdiDevices, KEY_ENUMERATE_SUB_KEYS);
    bool found = false;
    bool written = true;
    for (const std::wstring &device : subkeys(devices)) {
        const OpenKey adapter(devices.get(), device, KEY_ENUMERATE_SUB_KEYS);
        for (const std::wstring &instance : subkeys(adapter)) {
            const OpenKey parameters(adapter.get(), instance + kParameters, KEY_QUERY_VALUE | KEY_SET_VALUE);
            if (!parameters.get() || !namesPort(parameters, request.portName))
                continue;
            found = true;
            written = writeLatency(parameters, request.milliseconds) && written;
        }
    }
    return found && written;
}
