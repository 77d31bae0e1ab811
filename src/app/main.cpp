#include "app/latency_command.h"
#include "app/parent_console.h"
#include "app/report_command.h"
#include "app/unattended_dialogs.h"
#include "config/working_file.h"
#include "session/stop_requests.h"
#include "session/unit_session.h"
#include "ui/common/widget_dialogs.h"
#include "ui/window/main_menu.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <optional>
#include <string_view>

namespace {

const QString kApplicationName = QStringLiteral("ZEMRA BILVEX Polynet Ver 3.04");

// The operators' systems spoke Turkish: Qt's own buttons and dialogs say "Tamam", "Evet",
// "Hayır". Without the translations installed they stay in English.
void loadTurkishTranslations(QTranslator &translator)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"), QStringLiteral("_"),
                        folder))
        QApplication::installTranslator(&translator);
}

const char *const kUsage = "Kullanım: bilvex-config [--screenshot DOSYA] [--settings DOSYA]\n"
                           "          bilvex-config --report DOSYA.pdf [--settings DOSYA]\n"
                           "          bilvex-config --set-latency COMn MS\n"
                           "  --screenshot DOSYA  Açılıştan sonra pencerenin resmini PNG olarak kaydeder\n"
                           "                      ve çıkar (kutular sorulmadan onaylanır)\n"
                           "  --settings DOSYA    Olağan yerindeki yerine bu ayarlar dosyasını okur;\n"
                           "                      pencerenin her kaydı da bu dosyaya yazılır\n"
                           "  --report DOSYA.pdf  Site raporunu (gruplar, terminaller) A4 sayfalı PDF\n"
                           "                      olarak yazar ve çıkar; pencere açılmaz, ekran gerekmez.\n"
                           "                      Çıkış kodu: 0 yazıldı, 1 PDF yazılamadı, 2 komut satırı\n"
                           "                      ya da ayarlar dosyası hatalı (hiçbir şey yazılmadı)\n"
                           "  --set-latency COMn MS\n"
                           "                      Windows'ta, yönetici olarak: COMn'deki FTDI\n"
                           "                      adaptörünün gecikme süresini MS (1-16) ms yapar.\n"
                           "                      Çıkış kodu: 0 yazıldı, 1 adaptör bulunamadı ya da\n"
                           "                      yazılamadı, 2 komut satırı hatalı\n"
                           "  -h, --help          Bu yardımı gösterir\n"
                           "  --version           Sürümü gösterir\n";

// Answered before the window system is reached, so they work without a display too.
std::optional<int> answerInformationOptions(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--version") {
            std::fputs("bilvex-config " BILVEX_VERSION "\n", stdout);
            return 0;
        }
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    return std::nullopt;
}

struct WindowOptions {
    QString screenshot;  // for the demo script: a picture of the window right after start-up
    QString settings;    // the site's settings file for this run, instead of the working file
};

WindowOptions windowOptions(const QApplication &app)
{
    QCommandLineParser parser;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a PNG of the window after start-up and exit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("The settings file of this run."),
                                      QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.addOption(settings);
    parser.process(app);
    return {parser.value(screenshot), parser.value(settings)};
}

void saveScreenshotAndQuit(Main_Menu &window, const QString &file)
{
    QTimer::singleShot(0, &window, [&window, file] {
        if (window.grab().save(file, "PNG")) {
            QCoreApplication::exit(0);
            return;
        }
        QTextStream(stderr) << "Could not write the screenshot: " << file << Qt::endl;
        QCoreApplication::exit(1);
    });
}

// The options answered in the console, without a window.
bool answersInConsole(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--version" || argument == "--help" || argument == "-h" || argument == "--report" ||
            argument.rfind("--report=", 0) == 0)
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char *argv[])
{
    // Run with administrator rights: nothing else of the program may come before it.
    if (const std::optional<int> set = setLatencyIfAsked(argc, argv))
        return *set;
    if (answersInConsole(argc, argv))
        useParentConsole();
    if (const std::optional<int> answered = answerInformationOptions(argc, argv))
        return *answered;
    if (const std::optional<int> reported = writeReportIfAsked(argc, argv))
        return *reported;
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationName);
    // First made, last gone: a logout's SIGTERM ends the run with the port closed.
    StopRequests stopRequests;
    // exit, not quit: it leaves every event loop at once, a modal box's too, without asking
    // the windows first.
    QObject::connect(&stopRequests, &StopRequests::requested, &app, [] { QCoreApplication::exit(0); });
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("bilvex-config"));
    QTranslator translator;
    loadTurkishTranslations(translator);
    const WindowOptions options = windowOptions(app);
    const QString &screenshot = options.screenshot;
    if (!options.settings.isEmpty())
        useSettingsFile(options.settings);

    Tanimlamalar model;
    WidgetDialogs widgetDialogs;
    UnattendedDialogs unattendedDialogs;
    OperatorDialogs *dialogs = &widgetDialogs;
    if (!screenshot.isEmpty())
        dialogs = &unattendedDialogs;
    UnitSession session(model, *dialogs);
    Main_Menu window(model, *dialogs, session);
    QObject::connect(&stopRequests, &StopRequests::requested, &session.document(), &SiteDocument::keepUnsavedValues);
    const StartDecision start = window.Form_Load();
    if (stopRequests.wasRequested())
        return 0;
    // A screenshot asked for and not taken is a failure to its caller.
    if (start == StartDecision::EndApplication)
        return screenshot.isEmpty() ? 0 : 1;
    window.show();
    if (!screenshot.isEmpty())
        saveScreenshotAndQuit(window, screenshot);
    return QApplication::exec();
}
