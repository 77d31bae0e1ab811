#pragma once

#include <QString>

// The answers every box and dialog of both windows offers.
namespace texts {

inline const QString kOk = QStringLiteral("Tamam");
inline const QString kCancel = QStringLiteral("İptal");
inline const QString kSave = QStringLiteral("Kaydet");
inline const QString kDiscard = QStringLiteral("Kaydetme");

}  // namespace texts
