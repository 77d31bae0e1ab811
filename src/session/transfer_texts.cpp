#include "session/transfer_texts.h"

#include <array>
#include <utility>

namespace {

constexpr qint64 kMinute = 60;
constexpr qint64 kHour = 60 * kMinute;
constexpr int kGroupDigits = 3;

// The subject of a kind's lines; the clock has a sentence of its own when it ends.
QString subjectOf(TransferMode kind)
{
    switch (kind) {
    case TransferMode::ButtonSettings:
        return QStringLiteral("Buton ayarları");
    case TransferMode::TerminalSettings:
        return QStringLiteral("Terminal ayarları");
    case TransferMode::TicketData:
        return QStringLiteral("Bilet datası");
    case TransferMode::DateTime:
        return QStringLiteral("Tarih-saat");
    case TransferMode::None:
        break;
    }
    return {};
}

QString bytesText(int sent, int total)
{
    return QStringLiteral("%1 / %2 bayt").arg(groupedNumber(sent), groupedNumber(total));
}

QString bracketed(qint64 seconds, int wrongEchoes)
{
    QString inside = durationText(seconds);
    if (wrongEchoes > 0)
        inside += QStringLiteral(", %1 yankı hatası").arg(groupedNumber(wrongEchoes));
    return QStringLiteral(" (") + inside + QLatin1Char(')');
}

const std::array<std::pair<TransferMode, const char *>, 4> kKindWords{{
    {TransferMode::ButtonSettings, "butonlar"},
    {TransferMode::TerminalSettings, "terminaller"},
    {TransferMode::TicketData, "bilet"},
    {TransferMode::DateTime, "saat"},
}};

const std::array<std::pair<TransferEnd, const char *>, 4> kEndWords{{
    {TransferEnd::Whole, "tam"},
    {TransferEnd::Stopped, "durduruldu"},
    {TransferEnd::Abandoned, "yarıda bırakıldı"},
    {TransferEnd::LineLost, "hat kesildi"},
}};

}  // namespace

QString groupedNumber(qint64 number)
{
    QString digits = QString::number(number < 0 ? -number : number);
    for (qsizetype at = digits.size() - kGroupDigits; at > 0; at -= kGroupDigits)
        digits.insert(at, QLatin1Char('.'));
    return number < 0 ? QLatin1Char('-') + digits : digits;
}

QString durationText(qint64 seconds)
{
    if (seconds < kMinute)
        return QStringLiteral("%1 sn").arg(seconds);
    if (seconds < kHour)
        return QStringLiteral("%1 dk %2 sn").arg(seconds / kMinute).arg(seconds % kMinute);
    return QStringLiteral("%1 sa %2 dk").arg(seconds / kHour).arg(seconds % kHour / kMinute);
}

QString sendingLine(TransferMode kind, int sent, int total, std::optional<qint64> secondsLeft)
{
    QString line = subjectOf(kind) + QStringLiteral(" gönderiliyor: ") + bytesText(sent, total);
    if (secondsLeft)
        line += QStringLiteral(", kalan yaklaşık ") + durationText(*secondsLeft);
    return line;
}

QString sentLine(TransferMode kind, qint64 seconds, int wrongEchoes)
{
    const QString done = kind == TransferMode::DateTime ? QStringLiteral("Saat ayarlandı")
                                                        : subjectOf(kind) + QStringLiteral(" gönderildi");
    return done + bracketed(seconds, wrongEchoes);
}

QString allSentLine(qint64 seconds, int wrongEchoes)
{
    return QStringLiteral("Hepsi gönderildi") + bracketed(seconds, wrongEchoes);
}

QString stoppedLine(int sent, int total)
{
    return QStringLiteral("Gönderim durduruldu: ") + bytesText(sent, total) +
           QStringLiteral(". Birim ayarların bir kısmını aldı; yeniden gönderin.");
}

QString lineLostLine(int sent, int total)
{
    return QStringLiteral("Hat kesildi: ") + bytesText(sent, total) +
           QStringLiteral(" gönderildi. Birim ayarların bir kısmını aldı; yeniden gönderin.");
}

QString unsentLine(const QList<TransferMode> &unsent)
{
    if (unsent.isEmpty())
        return QStringLiteral("Birim güncel");
    QStringList names;
    for (const TransferMode kind : unsent)
        names << subjectOf(kind);
    return QStringLiteral("Birime gönderilmemiş değişiklik: ") + names.join(QStringLiteral(", "));
}

QString otherFileLine(const QString &shownPath, const QDateTime &when)
{
    return QStringLiteral("Bu porttaki birim en son başka bir dosyadan ayar aldı: %1 (%2)")
        .arg(shownPath, when.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
}

QString recordSetAsideLine(const QString &setAside)
{
    return QStringLiteral("Gönderim kaydı okunamadı; kenara alındı: ") + setAside;
}

QString recordKindWord(TransferMode kind)
{
    for (const auto &[mode, word] : kKindWords) {
        if (mode == kind)
            return QString::fromUtf8(word);
    }
    return {};
}

TransferMode kindOfRecordWord(const QString &word)
{
    for (const auto &[mode, known] : kKindWords) {
        if (word == QString::fromUtf8(known))
            return mode;
    }
    return TransferMode::None;
}

QString endWord(TransferEnd end)
{
    for (const auto &[how, word] : kEndWords) {
        if (how == end)
            return QString::fromUtf8(word);
    }
    return {};
}

std::optional<TransferEnd> endOfWord(const QString &word)
{
    for (const auto &[how, known] : kEndWords) {
        if (word == QString::fromUtf8(known))
            return how;
    }
    return std::nullopt;
}

QStringList historyHeadings()
{
    return {QStringLiteral("Tarih"),      QStringLiteral("Tür"),          QStringLiteral("Port"),
            QStringLiteral("Gönderilen"), QStringLiteral("Yankı Hatası"), QStringLiteral("Sonuç")};
}
