#pragma once

#include <QString>

// The captions and messages of the three frames of the main window, exactly as the operators
// know them.

namespace texts {

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
inline const QString kCopyList = QStringLiteral("Kopyala…");

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

// A transfer's progress beside its command
inline const QString kProgressAtStart = QStringLiteral("%0");

// Stepper captions
inline const QString kStepFifty = QStringLiteral("50");
inline const QString kStepDown = QStringLiteral("-");
inline const QString kStepUp = QStringLiteral("+");

// COM port frame
inline const QString kFrame3 = QStringLiteral("Haberleşme Com port");
inline const QString kCommand2 = QStringLiteral("Tamam");
inline const QString kChoosePort = QStringLiteral("Port Seç…");
inline const QString kChoosePortName = QStringLiteral("Port Seç");

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
