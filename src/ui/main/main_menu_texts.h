#pragma once

#include <QString>

// Every caption and message of the main window, exactly as the operators know them.
namespace texts {

inline const QString kWindowTitle = QStringLiteral("ZEMRA BILVEX Polynet Ver 3.04   ZEMRA Ruvozivira Ltd.");
inline const QString kNoSelection = QStringLiteral("Seçiniz");

// Terminal priority panel
inline const QString kFrame1 = QStringLiteral("Terminal Öncelik Ayarları");
inline const QString kTerminalNo = QStringLiteral("Terminal No:");
inline const QString kPriorityButtonHeading = QStringLiteral("Öncelikli Buton");
inline const QString kCallCountHeading = QStringLiteral("Çağırma Sayısı");
inline const QString kPriorityRow = QStringLiteral("%1. Öncelikli Buton:");
inline const QString kNoGroup = QStringLiteral("Yok");
inline const QString kGroupEntrySeven = QStringLiteral("7. buton");  // lower-case b, as the unit's installers know it
inline const QString kTerminalGonder = QStringLiteral("Terminal Ayarlarını Gönder");

// Group settings panel
inline const QString kFrame2 = QStringLiteral("Buton Ayarları");
inline const QString kButtonNo = QStringLiteral("Buton No:");
inline const QString kButtonOpen = QStringLiteral("Buton Açık");
inline const QString kButtonClosed = QStringLiteral("Buton Kapalı");
inline const QString kLimitOn = QStringLiteral("Limit Var");
inline const QString kLimitOff = QStringLiteral("Limit Yok");
inline const QString kStartLabel = QStringLiteral("Başlangıç Sayısı:");
inline const QString kEndLabel = QStringLiteral("Bitiş Sayısı:");
inline const QString kLastCalledLabel = QStringLiteral("En Son Çağrılan:");
inline const QString kLastIssuedLabel = QStringLiteral("En Son Bilet:");
inline const QString kReset = QStringLiteral("Reset");
inline const QString kLayoutLabel = QStringLiteral("Bilet Data Numarası:");
inline const QString kLayoutEntry = QStringLiteral("%1. Bilet Datası");
inline const QString kButonGonder = QStringLiteral("Buton Ayarlarını Gönder");

// Stepper captions
inline const QString kStepFifty = QStringLiteral("50");
inline const QString kStepDown = QStringLiteral("-");
inline const QString kStepUp = QStringLiteral("+");

// COM port frame and the controls on the window itself
inline const QString kFrame3 = QStringLiteral("Haberleşme Com port");
inline const QString kCommand2 = QStringLiteral("Tamam");
inline const QString kChoosePort = QStringLiteral("Port Seç…");
inline const QString kChoosePortName = QStringLiteral("Port Seç");
inline const QString kTicketEditor = QStringLiteral("Bilet Datası Yükleme");
inline const QString kCmdKaydet = QStringLiteral("Dosyaya Kaydet");
inline const QString kClockChipLabel = QStringLiteral("Saat Çipi Seçimi:");
inline const QString kClockDs1307 = QStringLiteral("DS1307");
inline const QString kClockPcf8583 = QStringLiteral("PCF8583");
inline const QString kCmdTarihSaat = QStringLiteral("Tarih-Saat Ayarla");
inline const QString kProgressAtStart = QStringLiteral("%0");
// Beside the slow-line hint, where the platform can shorten the adapter's latency timer
inline const QString kFixLatency = QStringLiteral("Düzelt");

// The installer's workbench: the menu bar, the list copy and their words
inline const QString kFileMenu = QStringLiteral("&Dosya");
inline const QString kOpenFile = QStringLiteral("&Aç…");
inline const QString kSaveFileAs = QStringLiteral("&Farklı Kaydet…");
inline const QString kRecentFilesMenu = QStringLiteral("&Son Dosyalar");
inline const QString kNoRecentFiles = QStringLiteral("(boş)");
inline const QString kReport = QStringLiteral("&Rapor…");
inline const QString kExportCsv = QStringLiteral("CSV Olarak &Dışa Aktar…");
inline const QString kImportCsv = QStringLiteral("CSV'den &İçe Aktar…");
inline const QString kOverview = QStringLiteral("&Genel Bakış");
inline const QString kCopyList = QStringLiteral("Kopyala…");
inline const QString kCopyListTitle = QStringLiteral("%1. Terminal Listesini Kopyala");
inline const QString kCopyListRows = QStringLiteral("%1. Terminal listesi");
inline const QString kCopyListTargets = QStringLiteral("Bu listeyi alacak terminaller");
inline const QString kTickAll = QStringLiteral("Hepsi");
inline const QString kTickNone = QStringLiteral("Hiçbiri");
inline const QString kOk = QStringLiteral("Tamam");
inline const QString kCancel = QStringLiteral("İptal");
inline const QString kSaveFile = QStringLiteral("Dosyaya &Kaydet");
inline const QString kQuit = QStringLiteral("Çı&kış");
inline const QString kEditMenu = QStringLiteral("Dü&zen");
inline const QString kUndo = QStringLiteral("&Geri Al");
inline const QString kRedo = QStringLiteral("&Yinele");
inline const QString kStepNamed = QStringLiteral("%1: %2");
inline const QString kBackups = QStringLiteral("&Yedekler…");

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
inline const QString kClose = QStringLiteral("Kapat");
inline const QString kBackupFolderNotOpened = QStringLiteral("Klasör açılamadı: %1");
inline const QString kFileInView = QStringLiteral("Dosya: %1");
inline const QString kUnsavedMark = QStringLiteral("Kaydedilmemiş değişiklikler var");
inline const QString kUnsavedQuestion = QStringLiteral("Değişiklikler kaydedilmedi: %1");
inline const QString kTransferRunningQuestion = QStringLiteral("Gönderim sürüyor. Kapatılsın mı?");
inline const QString kReportWritten = QStringLiteral("Rapor yazıldı: %1");
inline const QString kCsvWritten = QStringLiteral("CSV dosyası yazıldı: %1");

// "Birim": the sends, the stop and the record of what the unit got
inline const QString kUnitMenu = QStringLiteral("&Birim");
inline const QString kSendAll = QStringLiteral("&Hepsini Gönder");
inline const QString kSendButtonsItem = QStringLiteral("&Buton Ayarlarını Gönder");
inline const QString kSendTerminalsItem = QStringLiteral("&Terminal Ayarlarını Gönder");
inline const QString kSetClockItem = QStringLiteral("Tarih-&Saat Ayarla");
inline const QString kStop = QStringLiteral("&Durdur");
inline const QString kStopButton = QStringLiteral("Durdur");
inline const QString kSendHistory = QStringLiteral("Gönderim &Geçmişi…");
inline const QString kSendHistoryTitle = QStringLiteral("Gönderim Geçmişi");
inline const QString kSendHistoryOf = QStringLiteral("%1 dosyasından birime yapılan gönderimler, en yenisi üstte:");
inline const QString kTransferLineName = QStringLiteral("Gönderim durumu");
inline const QString kUnitLineName = QStringLiteral("Birim durumu");
inline const QString kUnitNoticeName = QStringLiteral("Birim uyarısı");

// Messages
inline const QString kRestartForPort =
    QStringLiteral("Com Port ayarlarının geçerli olabilmesi için programı kapatıp tekrar açınız");
inline const QString kCountIsMax = QStringLiteral("Öncelik Sayısı MAXIMUM tanımlanmıştır");
inline const QString kCountAbove254 =
    QStringLiteral("Öncelik Sayısı 254'den Büyük Olamaz. MAXIMUM olarak tanımlanacak.");
inline const QString kCountBelowZero = QStringLiteral("Öncelik Sayısı Sıfırdan Küçük Olamaz");
inline const QString kCountAbove255 = QStringLiteral("Öncelik Sayısı 255'den Büyük Olamaz");

// Accessible names of controls whose captions repeat on every row
inline const QString kStepDownFiftyName = QStringLiteral("%1 -50");
inline const QString kStepDownOneName = QStringLiteral("%1 -1");
inline const QString kStepUpOneName = QStringLiteral("%1 +1");
inline const QString kStepUpFiftyName = QStringLiteral("%1 +50");
inline const QString kCountBoxName = QStringLiteral("%1 Çağırma Sayısı");

}  // namespace texts
