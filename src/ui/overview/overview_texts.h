#pragma once

#include <QString>

// The overview window's captions and words.
namespace overviewTexts {

inline const QString kTitle = QStringLiteral("Genel Bakış");
inline const QString kGroups = QStringLiteral("Gruplar");
inline const QString kTerminals = QStringLiteral("Terminaller");
inline const QString kFindings = QStringLiteral("Kontrol Edilecekler");
inline const QString kDifferences = QStringLiteral("Farklar");
inline const QString kCompare = QStringLiteral("Dosyayla &Karşılaştır…");
inline const QString kNothingFound = QStringLiteral("Dikkat edilecek bir değer yok.");
inline const QString kNotCompared = QStringLiteral("Henüz bir dosyayla karşılaştırılmadı.");
inline const QString kComparedWith = QStringLiteral("Karşılaştırılan dosya: %1 (%2 fark)");
inline const QString kNoDifferences = QStringLiteral("Fark yok.");
inline const QString kNotComparedNow = QStringLiteral("Karşılaştırma yapılmadı.");
inline const QString kShowInMain = QStringLiteral("Ana Pencerede Göster");
inline const QString kWarning = QStringLiteral("Uyarı");
inline const QString kEditHint =
    QStringLiteral("Hücreye yazın ya da çift tıklayın; hesap tablosundan Ctrl+V ile yapıştırın. Ctrl+Enter seçili "
                   "satırı ana pencerede gösterir.");
inline const QString kOverwrite = QStringLiteral("%1 dolu hücrenin üzerine yazılacak. Devam edilsin mi?");

}  // namespace overviewTexts
