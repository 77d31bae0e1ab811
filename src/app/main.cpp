#include "main_menu.h"
#include "unattended_dialogs.h"
#include "unit_session.h"
#include "widget_dialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

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

// For the demo script only: a picture of the window right after start-up.
QString screenshotFile(const QApplication &app)
{
    QCommandLineParser parser;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a PNG of the window after start-up and exit."),
                                        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(app);
    return parser.value(screenshot);
}

void saveScreenshotAndQuit(Main_Menu &window, const QString &file)
{
    QTimer::singleShot(0, &window, [&window, file] {
        window.grab().save(file, "PNG");
        QCoreApplication::quit();
    });
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationName);
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("bilvex-config"));
    QTranslator translator;
    loadTurkishTranslations(translator);
    const QString screenshot = screenshotFile(app);

    Tanimlamalar model;
    WidgetDialogs widgetDialogs;
    UnattendedDialogs unattendedDialogs;
    OperatorDialogs *dialogs = &widgetDialogs;
    if (!screenshot.isEmpty())
        dialogs = &unattendedDialogs;
    UnitSession session(model, *dialogs);
    Main_Menu window(model, *dialogs, session);
    if (window.Form_Load() == StartDecision::EndApplication)
        return 0;
    window.show();
    if (!screenshot.isEmpty())
        saveScreenshotAndQuit(window, screenshot);
    return QApplication::exec();
}
