#pragma once

#include <QString>

// The words of the installer's workbench dialogs, exactly as the operators know them.

namespace texts {

// The list copy
inline const QString kCopyListTitle = QStringLiteral("%1. Terminal Listesini Kopyala");
inline const QString kCopyListRows = QStringLiteral("%1. Terminal listesi");
inline const QString kCopyListTargets = QStringLiteral("Bu listeyi alacak terminaller");
inline const QString kTickAll = QStringLiteral("Hepsi");
inline const QString kTickNone = QStringLiteral("Hiçbiri");

// "Yedekler": the open file's earlier versions
inline const QString kBackupsTitle = QStringLiteral("Yedekler");
inline const QString kBackupsOf = QStringLiteral("%1 dosyasının yedekleri, en yenisi üstte:");
inline const QString kBackupTime = QStringLiteral("Tarih ve Saat");
inline const QString kBackupDifferenceHeading = QStringLiteral("Şimdiki Hâlinden");
inline const QString kBackupKind = QStringLiteral("Yedek");
inline const QString kBackupDifferences = QStringLiteral("%1 fark");
inline const QString kBackupUnreadable = QStringLiteral("okunamadı");
inline const QString kSavedBackup = QStringLiteral("kaydetmeden önceki hâli");
inline const QString kUnsavedBackup = QStringLiteral("kaydedilmemiş değişiklikler");
inline const QString kBackupDifferencesOf = QStringLiteral("%1 yedeğiyle farklar (yedekteki değer → şimdiki değer):");
inline const QString kRestoreBackup = QStringLiteral("&Geri Yükle");
inline const QString kShowBackupDifferences = QStringLiteral("&Farkları Göster");
inline const QString kOpenBackupFolder = QStringLiteral("&Klasörü Aç");
inline const QString kBackupFolderNotOpened = QStringLiteral("Klasör açılamadı: %1");

// "Gönderim Geçmişi": what the unit got from the open file
inline const QString kSendHistoryTitle = QStringLiteral("Gönderim Geçmişi");
inline const QString kSendHistoryOf = QStringLiteral("%1 dosyasından birime yapılan gönderimler, en yenisi üstte:");

inline const QString kClose = QStringLiteral("Kapat");

}  // namespace texts
