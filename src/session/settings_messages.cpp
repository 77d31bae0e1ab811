#include "settings_messages.h"

#include "number_conversions.h"
#include "settings_backups.h"
#include "settings_file.h"
#include "working_file.h"

#include <QFileInfo>

#include <cstdio>

QString readFailureMessage(int code, const QString &shownPath)
{
    if (code == SettingsError::FileNotFound)
        return QStringLiteral("Hata kodu:53    ") + shownPath +
               QStringLiteral(" isimli dosya bulunamadı. Yeni bir dosya oluşturulacak.");
    if (code == SettingsError::PastEndOfFile)
        return QStringLiteral("Hata kodu:62   Hatalı formatta dosya. ") + shownPath +
               QStringLiteral(" isimli dosyayı harddiskten silip tekrar deneyiniz");
    return QStringLiteral("Dosya okuma fonksiyonu. Hata Kodu: ") + FormatSigned(code);
}

QString writeFailureMessage(int code, const QString &shownPath)
{
    if (code == SettingsError::PermissionDenied)
        return QStringLiteral("Hata kodu:70    ") + shownPath +
               QStringLiteral(" isimli dosya zaten açık durumda. Tekrar deneyiniz.");
    return QStringLiteral("Dosyaya kaydetme fonksiyonu. Hata Kodu: ") + FormatSigned(code);
}

namespace {

// A file read only in part would lose the rest at the next save: a copy of it as it was
// found comes first, named in the box that tells of the fault.
QString asFoundNote(int code)
{
    if (code == SettingsError::FileNotFound || !QFileInfo(workingSettingsFile()).isFile())
        return {};
    const Backup backup = keepBackup(workingSettingsFile());
    if (backup.path.isEmpty()) {
        std::fprintf(stderr, "%s\n", backupFailedMessage(workingSettingsFile(), backup.fault).toUtf8().constData());
        return {};
    }
    return QLatin1Char('\n') + backedUpAsFoundMessage(backup.path);
}

}  // namespace

StartDecision dosyadan_oku(Tanimlamalar &model, OperatorDialogs &dialogs, int *readCode)
{
    const int code = loadSettingsFile(model);
    if (readCode)
        *readCode = code;
    if (code == SettingsError::None)
        return StartDecision::Continue;
    if (code == SettingsError::PastEndOfFile) {
        dialogs.inform(readFailureMessage(code));
        return StartDecision::EndApplication;
    }
    dialogs.inform(readFailureMessage(code) + asFoundNote(code));
    if (code == SettingsError::FileNotFound)
        dosyaya_kaydet(model, dialogs);
    return StartDecision::Continue;
}

bool dosyaya_kaydet(const Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path)
{
    const int code = saveSettingsFile(model, path);
    if (code != SettingsError::None)
        dialogs.inform(writeFailureMessage(code, shownPathOf(path)));
    return code == SettingsError::None;
}
