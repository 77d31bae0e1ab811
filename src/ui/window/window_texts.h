#pragma once

#include <QString>

// The captions and messages of the main window itself and its menus, exactly as the
// operators know them.

namespace texts {

inline const QString kWindowTitle = QStringLiteral("ZEMRA BILVEX Polynet Ver 3.04   ZEMRA Ruvozivira Ltd.");

// The controls on the window itself
inline const QString kTicketEditor = QStringLiteral("Bilet Datası Yükleme");
inline const QString kCmdKaydet = QStringLiteral("Dosyaya Kaydet");
inline const QString kClockChipLabel = QStringLiteral("Saat Çipi Seçimi:");
inline const QString kCmdTarihSaat = QStringLiteral("Tarih-Saat Ayarla");
// Beside the slow-line hint, where the platform can shorten the adapter's latency timer
inline const QString kFixLatency = QStringLiteral("Düzelt");

// "Dosya" and "Düzen"
inline const QString kFileMenu = QStringLiteral("&Dosya");
inline const QString kOpenFile = QStringLiteral("&Aç…");
inline const QString kSaveFile = QStringLiteral("Dosyaya &Kaydet");
inline const QString kSaveFileAs = QStringLiteral("&Farklı Kaydet…");
inline const QString kRecentFilesMenu = QStringLiteral("&Son Dosyalar");
inline const QString kNoRecentFiles = QStringLiteral("(boş)");
inline const QString kBackups = QStringLiteral("&Yedekler…");
inline const QString kReport = QStringLiteral("&Rapor…");
inline const QString kExportCsv = QStringLiteral("CSV Olarak &Dışa Aktar…");
inline const QString kImportCsv = QStringLiteral("CSV'den &İçe Aktar…");
inline const QString kQuit = QStringLiteral("Çı&kış");
inline const QString kEditMenu = QStringLiteral("Dü&zen");
inline const QString kUndo = QStringLiteral("&Geri Al");
inline const QString kRedo = QStringLiteral("&Yinele");
inline const QString kStepNamed = QStringLiteral("%1: %2");
inline const QString kOverview = QStringLiteral("&Genel Bakış");

// The open file in the status bar, and what is asked before it is dropped
inline const QString kFileInView = QStringLiteral("Dosya: %1");
inline const QString kUnsavedMark = QStringLiteral("Kaydedilmemiş değişiklikler var");
inline const QString kUnsavedQuestion = QStringLiteral("Değişiklikler kaydedilmedi: %1");
inline const QString kTransferRunningQuestion = QStringLiteral("Gönderim sürüyor. Kapatılsın mı?");
inline const QString kReportWritten = QStringLiteral("Rapor yazıldı: %1");
inline const QString kCsvWritten = QStringLiteral("CSV dosyası yazıldı: %1");

// "Birim": the sends, the stop and the status rows
inline const QString kUnitMenu = QStringLiteral("&Birim");
inline const QString kSendAll = QStringLiteral("&Hepsini Gönder");
inline const QString kSendButtonsItem = QStringLiteral("&Buton Ayarlarını Gönder");
inline const QString kSendTerminalsItem = QStringLiteral("&Terminal Ayarlarını Gönder");
inline const QString kSetClockItem = QStringLiteral("Tarih-&Saat Ayarla");
inline const QString kStop = QStringLiteral("&Durdur");
inline const QString kStopButton = QStringLiteral("Durdur");
inline const QString kSendHistory = QStringLiteral("Gönderim &Geçmişi…");
inline const QString kTransferLineName = QStringLiteral("Gönderim durumu");
inline const QString kUnitLineName = QStringLiteral("Birim durumu");
inline const QString kUnitNoticeName = QStringLiteral("Birim uyarısı");

}  // namespace texts
