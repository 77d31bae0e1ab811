#include "cli/send_texts.h"

#include "config/platform_paths.h"

#include <QDir>

namespace {

constexpr int kBarWidth = 20;
constexpr qint64 kMsPerSecond = 1000;
constexpr qint64 kSecondsPerMinute = 60;

const QString kUsage = QStringLiteral("Kullanım:\n"
                                      "  bilvex-send [--settings DOSYA] [--port AYGIT] [--ticket-number N]\n"
                                      "              [--timeout SANİYE] [--trace DOSYA] GÖNDERİM...\n"
                                      "  bilvex-send --list-ports\n"
                                      "  bilvex-send --history [--settings DOSYA]\n");

QString minutesAndSeconds(qint64 seconds)
{
    return QStringLiteral("%1:%2")
        .arg(seconds / kSecondsPerMinute)
        .arg(seconds % kSecondsPerMinute, 2, 10, QLatin1Char('0'));
}

}  // namespace

namespace sendTexts {

// Every line within 80 columns, as a terminal shows it.
QString help()
{
    return kUsage + QStringLiteral("\n"
                                   "Ayarları ana kumanda ünitesine seri hattan gönderir (9600,N,8,1; her\n"
                                   "baytın yankısı denetlenir). Görüntüler, bilvex-config açılırken ayarlar\n"
                                   "dosyasından nasıl kuruluyorsa öyle kurulur. Ayarlar dosyasına hiçbir\n"
                                   "zaman yazılmaz.\n"
                                   "\n"
                                   "GÖNDERİM (verilen sırayla gönderilir):\n"
                                   "  buttons            Buton ayarları (2079 bayt)\n"
                                   "  terminals          Terminal öncelik ayarları (41919 bayt)\n"
                                   "  clock              Tarih ve saat, bilgisayarın saatinden (24 bayt)\n"
                                   "  ticket=DOSYA       Bilet datası dosyası, --ticket-number numarasıyla\n"
                                   "                     (1280 bayt)\n"
                                   "\n"
                                   "Seçenekler:\n"
                                   "  --settings DOSYA   Ayarlar dosyası (varsayılan: aşağıda)\n"
                                   "  --port AYGIT       Seri port, ör. %1 (varsayılan: ayarlar\n"
                                   "                     dosyasındaki Com port numarası, bilvex-config'teki\n"
                                   "                     gibi)\n"
                                   "  --ticket-number N  Bilet numarası 1..16 (varsayılan 1, \"1st Ticket\")\n"
                                   "  --timeout SANİYE   Ünite bu süre yanıt vermezse gönderim yarıda kesilir\n"
                                   "                     (0.1 ile 3600 arası, varsayılan 5)\n"
                                   "  --trace DOSYA      Hattın kaydını dosyaya yazar (destek için): gönderilen\n"
                                   "                     her bayt ve gelen her yanıt bir satır, ör.\n"
                                   "                     \"12.345 > AA\" ve \"14.567 < AA\" (başlangıçtan bu\n"
                                   "                     yana milisaniye, yön, onaltılık baytlar); her\n"
                                   "                     gönderimin sonunda bir \"=\" satırı. Yeni bir ad\n"
                                   "                     ya da sıradan bir dosya olmalı, okunan dosyalardan\n"
                                   "                     biri olamaz\n"
                                   "  --list-ports       Seri portları listeler, sekmeyle ayrılmış:\n"
                                   "                     %2\n"
                                   "                     (bilinmeyen: -)\n"
                                   "  --history          Ayarlar dosyasından üniteye yapılan gönderimleri,\n"
                                   "                     en yenisi önce, sekmeyle ayrılmış listeler: tarih\n"
                                   "                     saat, tür, port, gönderilen/toplam bayt, yankı\n"
                                   "                     hatası, sonuç (tam, durduruldu, yarıda bırakıldı,\n"
                                   "                     hat kesildi)\n"
                                   "  -h, --help         Bu yardımı gösterir\n"
                                   "  --version          Sürümü gösterir\n"
                                   "\n"
                                   "Ayarlar dosyası:\n"
                                   "  %3\n"
                                   "%4"
                                   "\n"
                                   "Çıkış durumu:\n"
                                   "  0  Bütün yankılar doğru\n"
                                   "  1  Bazı yankılar hatalı\n"
                                   "  2  Kullanım ya da girdi hatası (ayarlar, bilet dosyası, gönderilemeyen\n"
                                   "     değer); hiçbir şey gönderilmedi\n"
                                   "  3  Port açılamadı; hiçbir şey gönderilmedi\n"
                                   "  4  Ünite yanıt vermedi, bağlantı kesildi ya da gönderim durduruldu\n"
                                   "     (Ctrl-C, SIGTERM, konsol kapandı)\n")
                        .arg(portExample(), listedPortFields(), QDir::toNativeSeparators(settingsFilePath()),
                             settingsPlacesNote());
}

QString usageFault(const QString &reason)
{
    return reason + QLatin1Char('\n') + kUsage + QStringLiteral("Ayrıntılar için: bilvex-send --help");
}

QString unknownOption(const QString &option)
{
    return QStringLiteral("Bilinmeyen seçenek: %1").arg(option);
}

QString missingValue(const QString &option)
{
    return QStringLiteral("%1 bir değer ister.").arg(option);
}

QString badTicketNumber(const QString &value)
{
    return QStringLiteral("Bilet numarası 1 ile 16 arasında olmalı: %1").arg(value);
}

QString badTimeout(const QString &value)
{
    return QStringLiteral("Süre 0.1 ile 3600 saniye arasında olmalı: %1").arg(value);
}

QString unknownWhat(const QString &word)
{
    return QStringLiteral("Bilinmeyen gönderim: %1 (buttons, terminals, clock ya da ticket=DOSYA)").arg(word);
}

QString nothingToSend()
{
    return QStringLiteral("Gönderilecek bir şey belirtilmedi.");
}

QString listPortsAlone()
{
    return QStringLiteral("--list-ports bir gönderimle birlikte kullanılmaz.");
}

QString historyAlone()
{
    return QStringLiteral("--history bir gönderimle birlikte kullanılmaz.");
}

QString settingsFileLine(const QString &path)
{
    return QStringLiteral("Ayarlar dosyası: %1").arg(QDir::toNativeSeparators(path));
}

QString noSettingsFile()
{
    return QStringLiteral("Ayarlar dosyası yok. bilvex-send dosya oluşturmaz; hiçbir şey gönderilmedi.\n"
                          "Dosyayı bilvex-config ilk açılışında oluşturur; ya da --settings ile var olan bir dosyayı "
                          "verin.");
}

QString traceUnwritable(const QString &path)
{
    return QStringLiteral("Kayıt dosyası yazılamadı: %1").arg(QDir::toNativeSeparators(path));
}

QString traceNotAFile(const QString &path)
{
    return QStringLiteral("Kayıt dosyası sıradan bir dosya değil (aygıt, boru, soket ya da klasör): %1; "
                          "hiçbir şey gönderilmedi.")
        .arg(QDir::toNativeSeparators(path));
}

QString traceIsAnInput(const QString &path)
{
    return QStringLiteral("Kayıt dosyası, gönderimin okuduğu dosyanın kendisi: %1. Kayıt onun yerine yazılırdı; "
                          "başka bir ad veriniz. Hiçbir şey gönderilmedi.")
        .arg(QDir::toNativeSeparators(path));
}

QString traceIdentityUnknown(const QString &path)
{
    return QStringLiteral("Kayıt dosyasının, gönderimin okuduğu dosyalardan biri olmadığı anlaşılamadı: %1. "
                          "Başka bir ad veriniz. Hiçbir şey gönderilmedi.")
        .arg(QDir::toNativeSeparators(path));
}

QString layoutUnreadable(const QString &path)
{
    return QStringLiteral("Bilet dosyası okunamadı: %1").arg(QDir::toNativeSeparators(path));
}

QString deviceLine(const QString &device)
{
    return QStringLiteral("Aygıt: %1").arg(device);
}

QString dialoutHint()
{
    return QStringLiteral("Kullanıcıyı dialout grubuna ekleyip oturumu kapatıp yeniden açın:\n"
                          "  sudo usermod -aG dialout $USER");
}

QString noPortsFound()
{
    return QStringLiteral("Seri port bulunamadı.");
}

QString unitSilent(double seconds)
{
    return QStringLiteral("Ünite %1 saniyedir yanıt vermiyor; gönderim yarıda kesildi.").arg(seconds);
}

QString progressBar(const QString &what, int sent, int total, qint64 elapsedMs)
{
    const int filled = total > 0 ? kBarWidth * sent / total : 0;
    const int percent = total > 0 ? 100 * sent / total : 0;
    const qint64 leftMs = sent > 0 ? elapsedMs * (total - sent) / sent : 0;
    return QStringLiteral("%1  [%2%3]  %4 %  %5/%6 bayt  kalan %7")
        .arg(what, QString(filled, QLatin1Char('#')), QString(kBarWidth - filled, QLatin1Char('.')))
        .arg(percent, 3)
        .arg(sent)
        .arg(total)
        .arg(minutesAndSeconds((leftMs + kMsPerSecond - 1) / kMsPerSecond));
}

QString summary(const QString &what, int sent, int total, int wrongEchoes, double seconds, double msPerByte,
                const QString &endedEarly)
{
    QString text = QStringLiteral("%1: %2/%3 bayt, %4 hatalı yankı, %5 s, %6 ms/bayt")
                       .arg(what)
                       .arg(sent)
                       .arg(total)
                       .arg(wrongEchoes)
                       .arg(seconds, 0, 'f', 2)
                       .arg(msPerByte, 0, 'f', 1);
    if (!endedEarly.isEmpty())
        text += QStringLiteral(", ") + endedEarly;
    return text;
}

QString silentEnding()
{
    return QStringLiteral("ünite yanıt vermedi");
}

QString lostEnding()
{
    return QStringLiteral("bağlantı kesildi");
}

QString stoppedEnding()
{
    return QStringLiteral("durduruldu");
}

QString lowLatencyNote(bool granted)
{
    return granted ? QStringLiteral("düşük gecikme kipi: açık") : QStringLiteral("düşük gecikme kipi: sürücü açmadı");
}

QString version()
{
    return QStringLiteral("bilvex-send %1\n").arg(QStringLiteral(BILVEX_VERSION));
}

}  // namespace sendTexts
