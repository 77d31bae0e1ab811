#include "session/site_files.h"

#include "config/settings_file.h"
#include "config/stored_settings.h"
#include "session/settings_messages.h"
#include "site/settings_comparison.h"
#include "site/settings_csv.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <memory>
#include <optional>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A settings table is some tens of kilobytes; a file far larger is not one.
constexpr qint64 kMaxCsvBytes = qint64(4) * 1024 * 1024;

const QString kNothingLoaded = QStringLiteral("Hiçbir değer yüklenmedi.");
const QString kCsvNotRead = QStringLiteral("CSV dosyası okunamadı: ");

QString csvFailureMessage(const QString &what, const QString &path, const QString &reason)
{
    return what + shown(path) + QLatin1Char('\n') + reason;
}

}  // namespace

QString siteFileReadMessage(int code, const QString &path)
{
    return code == SettingsError::FileNotFound ? notFoundMessage(shown(path)) : readFailureMessage(code, shown(path));
}

QString nothingLoadedMessage(int code, const QString &path)
{
    return siteFileReadMessage(code, path) + QLatin1Char('\n') + kNothingLoaded;
}

// Read into a fresh model: a file cut short must leave the model as it was, and the values
// after a faulty line are those of a fresh start, as at start-up.
std::optional<int> openSettingsFile(Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path)
{
    const auto read = std::make_unique<Tanimlamalar>();
    const int code = loadSettingsFile(*read, path);
    if (code == SettingsError::FileNotFound || code == SettingsError::PastEndOfFile) {
        dialogs.inform(nothingLoadedMessage(code, path));
        return std::nullopt;
    }
    if (code != SettingsError::None)
        dialogs.inform(siteFileReadMessage(code, path) + asFoundNote(code, path));
    applyStoredSettings(model, storedSettingsOf(*read));
    return code;
}

bool exportSettingsCsv(const Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(settingsCsv(model)) >= 0 && file.commit())
        return true;
    dialogs.inform(csvFailureMessage(QStringLiteral("CSV dosyası yazılamadı: "), path, file.errorString()));
    return false;
}

bool importSettingsCsv(Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs.inform(csvFailureMessage(kCsvNotRead, path, file.errorString()));
        return false;
    }
    if (file.size() > kMaxCsvBytes) {
        dialogs.inform(
            csvFailureMessage(kCsvNotRead, path, QStringLiteral("Dosya bir ayar tablosu için fazla büyük.")));
        return false;
    }
    const Tanimlamalar before = model;
    if (const std::optional<CsvRefusal> refusal = readSettingsCsv(file.readAll(), model)) {
        dialogs.inform(refusal->message());
        return false;
    }
    dialogs.inform(QStringLiteral("CSV'den %1 değer alındı.").arg(compareSettings(model, before).size()));
    return true;
}

QString reportOverSettingsMessage(const QString &path)
{
    return QStringLiteral("Rapor ayarlar dosyasının üzerine yazılmaz: ") + shown(path);
}

QString csvOverSettingsMessage(const QString &path)
{
    return QStringLiteral("CSV dosyası ayarlar dosyasının üzerine yazılmaz: ") + shown(path);
}
