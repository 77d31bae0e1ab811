#include "settings_messages.h"

#include "number_conversions.h"
#include "platform_paths.h"
#include "settings_file.h"

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

StartDecision dosyadan_oku(Tanimlamalar &model, OperatorDialogs &dialogs)
{
    const int code = loadSettingsFile(model);
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
    const int code = saveSettingsFile(model);
    if (code != SettingsError::None)
        dialogs.inform(writeFailureMessage(code));
    return code == SettingsError::None;
}
