// Any bytes as the settings file: the reader must end with one of its own codes.
#include "config/settings_file.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer device(&file);
    device.open(QIODevice::ReadOnly);
    auto model = std::make_unique<Tanimlamalar>();
    const int code = readSettings(device, *model);
    if (code != SettingsError::None && code != SettingsError::PastEndOfFile && code != SettingsError::Overflow &&
        code != SettingsError::DeviceIo)
        std::abort();
    return 0;
}
