#include "config/settings_file.h"

#include "config/code_page_1254.h"
#include "config/number_conversions.h"
#include "config/platform_paths.h"
#include "config/settings_backups.h"
#include "config/settings_layout.h"

#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <optional>

namespace {

// Of a longer line only this much is kept as text (the COM port line); the rest is passed over.
constexpr qsizetype kMaxKeptLineLength = qsizetype(64) * 1024;
// Lines are read in pieces of this size, so no line is ever held whole.
constexpr qint64 kReadPieceLength = 4096;
// As many links as the save itself follows to the file it replaces.
constexpr int kMaxLinkDepth = 128;
// A virus scanner or a sync client holds a file it has just seen for moments: a save waits
// this long for it to let go, looking again at this pace.
constexpr int kHoldWaitMs = 2000;
constexpr int kHoldPollMs = 50;

class LineWriter {
public:
    QString text;

    bool comment(const QString &line) { return add(line); }
    bool portText(const QString &port) { return add(port); }
    bool value(const int16_t &v) { return add(FormatSigned(v)); }
    bool enable(const int16_t &v, const int16_t &) { return add(FormatSigned(v)); }

private:
    bool add(const QString &line)
    {
        text += line;
        text += QStringLiteral("\r\n");
        return true;
    }
};

class LineReader {
public:
    explicit LineReader(QIODevice &device) : device_(device) {}
    int error = SettingsError::None;

    bool comment(const QString &)
    {
        return readLine([](QByteArrayView) {});
    }
    bool portText(QString &port)
    {
        const auto line = keptLine();
        if (line)
            port = *line;
        return line.has_value();
    }
    bool value(int16_t &v) { return readValue(v, nullptr); }
    bool enable(int16_t &v, int16_t &copy) { return readValue(v, &copy); }

private:
    // The line is scanned as it is read, so a value line of any length is read whole.
    bool readValue(int16_t &v, int16_t *copy)
    {
        NumberScanner scanner;
        const bool read = readLine([&](QByteArrayView piece) {
            for (char c : piece)
                scanner.add(QLatin1Char(c));
        });
        if (!read)
            return false;
        const auto number = ToInt16(scanner.value());
        if (!number) {
            error = SettingsError::Overflow;
            return false;
        }
        v = *number;
        if (copy)
            *copy = *number;
        return true;
    }

    std::optional<QString> keptLine()
    {
        QByteArray bytes;
        const bool read = readLine([&](QByteArrayView piece) {
            bytes += piece.first(std::min(piece.size(), kMaxKeptLineLength - bytes.size()));
        });
        if (!read)
            return std::nullopt;
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        return fromWindows1254(bytes);
    }

    // Hands the next line to take piece by piece, without its LF; false when no line is left.
    template <typename Take>
    bool readLine(Take take)
    {
        if (device_.atEnd()) {
            error = SettingsError::PastEndOfFile;
            return false;
        }
        bool ended = false;
        while (!ended && !device_.atEnd()) {
            const qint64 length = device_.readLine(buffer_.data(), buffer_.size());
            if (length < 0) {
                error = SettingsError::DeviceIo;
                return false;
            }
            const bool lineEnd = length > 0 && buffer_.at(length - 1) == '\n';
            take(QByteArrayView(buffer_.constData(), lineEnd ? length - 1 : length));
            ended = lineEnd || length == 0;
        }
        return true;
    }

    QIODevice &device_;
    QByteArray buffer_{kReadPieceLength + 1, Qt::Uninitialized};  // readLine keeps one byte for a NUL
};

int openFailureCode(const QFile &file)
{
    if (!file.exists())
        return SettingsError::FileNotFound;
    if (file.error() == QFileDevice::PermissionsError || QFileInfo(file.fileName()).isDir())
        return SettingsError::PermissionDenied;
    return SettingsError::DeviceIo;
}

// Called at once after the failed write: the system's error decides, in any language.
int writeFailureCode()
{
    return lastWriteFoundDiskFull() ? SettingsError::DiskFull : SettingsError::DeviceIo;
}

// The folder the file is written into: the path's own, once its links are followed.
QString targetFolder(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < kMaxLinkDepth && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absolutePath();
}

int saveOpenFailureCode(const QFileDevice &file, const QString &path)
{
    // The folder is there, yet the file cannot be opened in it: access is denied (a
    // read-only file, folder or file system), which the platform may report as "no such file".
    if (file.error() == QFileDevice::PermissionsError || QFileInfo(path).isDir() ||
        QFileInfo(targetFolder(path)).isDir())
        return SettingsError::PermissionDenied;
    return SettingsError::PathNotFound;
}

// Writes into the file itself: for a device behind the path (a link to /dev/full, say), which
// cannot be replaced, and for a file in a folder where no file can be made beside it.
int writeDirectly(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return saveOpenFailureCode(file, path);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return writeFailureCode();
    return SettingsError::None;
}

// Writes the bytes to the path, replacing the old file only after a complete write. Where
// no file can be made beside it (a folder only an administrator may write, such as the root
// of drive C: on Windows) yet the file itself may be written, it is rewritten in place instead.
int writeWhole(const QString &path, const QByteArray &bytes, bool rewritesInPlaceItself)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return SettingsError::PathNotFound;
    if (info.isDir() || mayBlockWhenOpened(path))
        return SettingsError::PermissionDenied;
    if (info.exists() && !info.isFile())
        return writeDirectly(path, bytes);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        if (info.isFile() && rewritesInPlaceItself)
            return writeDirectly(path, bytes);
        return saveOpenFailureCode(file, path);
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        return writeFailureCode();
    return SettingsError::None;
}

// Whether the file was let go before the deadline.
bool waitWhileHeld(const QString &path, const QDeadlineTimer &deadline)
{
    while (heldByAnotherProgram(path)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kHoldPollMs);
    }
    return true;
}

// A hold that began after the wait makes the write fail: it is waited for once more.
int writeWhenLetGo(const QString &path, const QByteArray &bytes, bool rewritesInPlaceItself,
                   const QDeadlineTimer &deadline)
{
    const int error = writeWhole(path, bytes, rewritesInPlaceItself);
    if (error == SettingsError::None || !heldByAnotherProgram(path) || !waitWhileHeld(path, deadline))
        return error;
    return writeWhole(path, bytes, rewritesInPlaceItself);
}

}  // namespace

QByteArray settingsFileBytes(const Tanimlamalar &model)
{
    LineWriter writer;
    walkSettingsLayout(model, writer);
    return toWindows1254(writer.text);
}

int readSettings(QIODevice &device, Tanimlamalar &model)
{
    LineReader reader(device);
    walkSettingsLayout(model, reader);
    return reader.error;
}

int loadSettingsFile(Tanimlamalar &model, const QString &path)
{
    // A pipe would block the open, a device may never end: only a file is read.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return SettingsError::PermissionDenied;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return openFailureCode(file);
    return readSettings(file, model);
}

int saveSettingsFile(const Tanimlamalar &model, const QString &path, QString *unreadable)
{
    const QByteArray bytes = settingsFileBytes(model);
    const QDeadlineTimer deadline(kHoldWaitMs);
    waitWhileHeld(path, deadline);
    const Backup backup = keepReplacedFile(path, bytes);
    if (backup.unreadable) {
        if (unreadable)
            *unreadable = backup.fault;
        return SettingsError::PermissionDenied;
    }
    int error = SettingsError::PermissionDenied;
    const SaveRoute route = saveRoute(path);
    for (const QString &target : route.targets) {
        error = writeWhenLetGo(target, bytes, route.rewritesInPlaceItself, deadline);
        if (error != SettingsError::PermissionDenied)
            break;
    }
    return error;
}
