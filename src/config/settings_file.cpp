#include "settings_file.h"

#include "number_conversions.h"
#include "platform_paths.h"
#include "settings_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>

namespace {

const char *const kCodePage = "windows-1254";
// A longer line cannot be a settings line; the rest of it is passed over unread.
constexpr qint64 kMaxKeptLineLength = qint64(64) * 1024;
// As many links as the save itself follows to the file it replaces.
constexpr int kMaxLinkDepth = 128;

QString readFailureMessage(int code)
{
    if (code == SettingsError::FileNotFound)
        return QStringLiteral("Hata kodu:53    ") + kShownSettingsPath +
               QStringLiteral(" isimli dosya bulunamadı. Yeni bir dosya oluşturulacak.");
    if (code == SettingsError::PastEndOfFile)
        return QStringLiteral("Hata kodu:62   Hatalı formatta dosya. ") + kShownSettingsPath +
               QStringLiteral(" isimli dosyayı harddiskten silip tekrar deneyiniz");
    return QStringLiteral("Dosya okuma fonksiyonu. Hata Kodu: ") + FormatSigned(code);
}

QString writeFailureMessage(int code)
{
    if (code == SettingsError::PermissionDenied)
        return QStringLiteral("Hata kodu:70    ") + kShownSettingsPath +
               QStringLiteral(" isimli dosya zaten açık durumda. Tekrar deneyiniz.");
    return QStringLiteral("Dosyaya kaydetme fonksiyonu. Hata Kodu: ") + FormatSigned(code);
}

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

    bool comment(const QString &) { return nextLine().has_value(); }
    bool portText(QString &port)
    {
        const auto line = nextLine();
        if (line)
            port = *line;
        return line.has_value();
    }
    bool value(int16_t &v) { return readValue(v, nullptr); }
    bool enable(int16_t &v, int16_t &copy) { return readValue(v, &copy); }

private:
    bool readValue(int16_t &v, int16_t *copy)
    {
        const auto line = nextLine();
        if (!line)
            return false;
        const auto number = ToInt16(ParseNumber(*line));
        if (!number) {
            error = SettingsError::Overflow;
            return false;
        }
        v = *number;
        if (copy)
            *copy = *number;
        return true;
    }

    std::optional<QString> nextLine()
    {
        if (device_.atEnd()) {
            error = SettingsError::PastEndOfFile;
            return std::nullopt;
        }
        const qint64 length = device_.readLine(buffer_.data(), buffer_.size());
        if (length < 0) {
            error = SettingsError::DeviceIo;
            return std::nullopt;
        }
        QByteArray bytes = QByteArray::fromRawData(buffer_.constData(), length);
        if (bytes.endsWith('\n'))
            bytes.chop(1);
        else
            skipRestOfLine();
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        return decoder_.decode(bytes);
    }

    void skipRestOfLine()
    {
        char c = 0;
        while (device_.getChar(&c) && c != '\n') {
        }
    }

    QIODevice &device_;
    QStringDecoder decoder_{kCodePage};
    QByteArray buffer_{kMaxKeptLineLength + 1, Qt::Uninitialized};  // readLine keeps one byte for a NUL
};

int openFailureCode(const QFile &file)
{
    if (!file.exists())
        return SettingsError::FileNotFound;
    if (file.error() == QFileDevice::PermissionsError || QFileInfo(file.fileName()).isDir())
        return SettingsError::PermissionDenied;
    return SettingsError::DeviceIo;
}

int writeFailureCode(const QFileDevice &file)
{
    if (file.errorString().contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
        return SettingsError::DiskFull;
    return SettingsError::DeviceIo;
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

// A device behind the path (a link to /dev/full, say) cannot be replaced: write to it directly.
int writeDirectly(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return saveOpenFailureCode(file, path);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return writeFailureCode(file);
    return SettingsError::None;
}

// Writes the bytes to the path, replacing the old file only after a complete write. Where
// no file can be made beside it (a folder only an administrator may write, such as the root
// of drive C: on Windows) yet the file itself may be written, it is rewritten in place instead.
int writeWhole(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return SettingsError::PathNotFound;
    if (info.isDir())
        return SettingsError::PermissionDenied;
    if (info.exists() && !info.isFile())
        return writeDirectly(path, bytes);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return saveOpenFailureCode(file, path);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return writeFailureCode(file);
    return SettingsError::None;
}

}  // namespace

QByteArray settingsFileBytes(const Tanimlamalar &model)
{
    LineWriter writer;
    walkSettingsLayout(model, writer);
    QStringEncoder encoder(kCodePage);
    return encoder.encode(writer.text);
}

int readSettings(QIODevice &device, Tanimlamalar &model)
{
    LineReader reader(device);
    walkSettingsLayout(model, reader);
    return reader.error;
}

StartDecision dosyadan_oku(Tanimlamalar &model, OperatorDialogs &dialogs)
{
    QFile file(settingsFilePath());
    int code = SettingsError::None;
    if (file.open(QIODevice::ReadOnly))
        code = readSettings(file, model);
    else
        code = openFailureCode(file);
    file.close();

    if (code == SettingsError::None)
        return StartDecision::Continue;
    dialogs.inform(readFailureMessage(code));
    if (code == SettingsError::PastEndOfFile)
        return StartDecision::EndApplication;
    if (code == SettingsError::FileNotFound)
        dosyaya_kaydet(model, dialogs);
    return StartDecision::Continue;
}

bool dosyaya_kaydet(const Tanimlamalar &model, OperatorDialogs &dialogs)
{
    const int code = writeWhole(settingsFilePath(), settingsFileBytes(model));
    if (code != SettingsError::None)
        dialogs.inform(writeFailureMessage(code));
    return code == SettingsError::None;
}
