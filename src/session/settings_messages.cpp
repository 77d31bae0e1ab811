#include "session/settings_messages.h"

#include "config/number_conversions.h"
#include "config/settings_backups.h"
#include "config/settings_file.h"
#include "config/working_file.h"

#include <QFileInfo>

#include <cstdio>

QString readFailureMessage(int code, const QString &shownPath)
{
    if (code == SettingsError::FileNotFound)
        return notFoundMessage(shownPath) + QStringLiteral(" Yeni bir dosya oluşturulacak.");
    if (code == SettingsError::PastEndOfFile)
        return QStringLiteral("Hata kodu:62   Hatalı formatta dosya. ") + shownPath +
               QStringLiteral(" isimli dosyayı harddiskten silip tekrar deneyiniz");
    return QStringLiteral("Dosya okuma fonksiyonu. Hata Kodu: ") + FormatSigned(code);
}

QString notFoundMessage(const QString &shownPath)
{
    return QStringLiteral("Hata kodu:53    ") + shownPath + QStringLiteral(" isimli dosya bulunamadı.");
}

QString writeFailureMessage(int code, const QString &shownPath)
{
    if (code == SettingsError::PermissionDenied)
        return QStringLiteral("Hata kodu:70    ") + shownPath +
               QStringLiteral(" isimli dosya zaten açık durumda. Tekrar deneyiniz.");
    return QStringLiteral("Dosyaya kaydetme fonksiyonu. Hata Kodu: ") + FormatSigned(code);
}

QString asFoundNote(int code, const QString &path)
{
    if (code == SettingsError::None || code == SettingsError::FileNotFound || !QFileInfo(path).isFile())
        return {};
    const Backup backup = keepBackup(path);
    if (backup.path.isEmpty()) {
        std::fprintf(stderr, "%s\n", backupFailedMessage(path, backup.fault).toUtf8().constData());
        return {};
    }
    return QLatin1Char('\n') + backedUpAsFoundMessage(backup.path);
}

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
    dialogs.inform(readFailureMessage(code) + asFoundNote(code, workingSettingsFile()));
    if (code == SettingsError::FileNotFound)
        dosyaya_kaydet(model, dialogs);
    return StartDecision::Continue;
}

bool dosyaya_kaydet(const Tanimlamalar &model, OperatorDialogs &dialogs, const QString &path)
{
    QString unreadable;
    const int code = saveSettingsFile(model, path, &unreadable);
    if (!unreadable.isEmpty())
        dialogs.inform(unreadableFileMessage(shownPathOf(path), unreadable));
    else if (code != SettingsError::None)
        dialogs.inform(writeFailureMessage(code, shownPathOf(path)));
    return code == SettingsError::None;
}
