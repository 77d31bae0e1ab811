#pragma once

#include "config/tanimlamalar.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// The words in which the window, bilvex-send and the record tell a transfer, so that a
// support call reads the same in each. Numbers carry "." as the thousands separator
// whatever the system's locale.

// 41919 -> "41.919"
QString groupedNumber(qint64 number);
// "N sn" under a minute, "N dk M sn" under an hour, "N sa M dk" beyond.
QString durationText(qint64 seconds);

// "Terminal ayarları gönderiliyor: 12.345 / 41.919 bayt", with ", kalan yaklaşık 1 dk 52 sn"
// once an estimate is known.
QString sendingLine(TransferMode kind, int sent, int total, std::optional<qint64> secondsLeft);
// "Terminal ayarları gönderildi (3 dk 2 sn)", "... (3 dk 2 sn, 2 yankı hatası)".
QString sentLine(TransferMode kind, qint64 seconds, int wrongEchoes);
// The end of "Hepsini Gönder": "Hepsi gönderildi (...)".
QString allSentLine(qint64 seconds, int wrongEchoes);
// "Durdur": "Gönderim durduruldu: 12.345 / 41.919 bayt. Birim ayarların bir kısmını aldı; yeniden gönderin."
QString stoppedLine(int sent, int total);
// The port went away under a transfer.
QString lineLostLine(int sent, int total);

// The settings images the unit has not had whole from this file; "Birim güncel" when none.
QString unsentLine(const QList<TransferMode> &unsent);
// The unit on this port last had whole settings from another file.
QString otherFileLine(const QString &shownPath, const QDateTime &when);
// The record could not be read and was put aside under `setAside`.
QString recordSetAsideLine(const QString &setAside);

// The record's words: "butonlar", "terminaller", "bilet", "saat".
QString recordKindWord(TransferMode kind);
TransferMode kindOfRecordWord(const QString &word);

// How a transfer ended, as the record writes it.
enum class TransferEnd { Whole, Stopped, Abandoned, LineLost };
// "tam", "durduruldu", "yarıda bırakıldı", "hat kesildi".
QString endWord(TransferEnd end);
std::optional<TransferEnd> endOfWord(const QString &word);

// The history's column headings, as "Gönderim Geçmişi" shows them.
QStringList historyHeadings();
