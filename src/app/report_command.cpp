#include "app/report_command.h"

#include "app/headless_platform.h"
#include "config/platform_paths.h"
#include "config/same_file.h"
#include "config/settings_file.h"
#include "report/site_report.h"
#include "session/send_record.h"
#include "session/settings_messages.h"
#include "session/site_files.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kWritten = 0;
constexpr int kNotWritten = 1;
constexpr int kInputFault = 2;

const QString kReportOption = QStringLiteral("--report");
const QString kSettingsOption = QStringLiteral("--settings");

struct ReportRequest {
    QString pdfPath;
    QString settingsFile;
    QString fault;  // the command line's, in the operator's words
};

QString missingFile(const QString &option)
{
    return QStringLiteral("%1 bir dosya adı ister.").arg(option);
}

void say(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

// Only the option's name is looked for here: the values are read from Qt's arguments, which
// on Windows keep every letter of a path.
bool asksForReport(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--report") == 0 || std::strncmp(argv[i], "--report=", 9) == 0)
            return true;
    }
    return false;
}

// "--report FILE" or "--report=FILE", and the same for --settings; anything else is refused,
// since no window opens to use it.
ReportRequest parseRequest(const QStringList &arguments)
{
    ReportRequest request{{}, settingsFilePath(), {}};
    for (qsizetype i = 1; i < arguments.size() && request.fault.isEmpty(); ++i) {
        const QString &argument = arguments.at(i);
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        QString *value = option == kReportOption     ? &request.pdfPath
                         : option == kSettingsOption ? &request.settingsFile
                                                     : nullptr;
        if (!value) {
            request.fault = QStringLiteral("Rapor yazılırken bu seçenek kullanılamaz: %1").arg(argument);
            continue;
        }
        if (argument.contains(QLatin1Char('=')))
            *value = argument.section(QLatin1Char('='), 1);
        else
            *value = i + 1 < arguments.size() ? arguments.at(++i) : QString();
        if (value->isEmpty())
            request.fault = missingFile(option);
    }
    // "--settings --report" names a settings file "--report" and no PDF.
    if (request.fault.isEmpty() && request.pdfPath.isEmpty())
        request.fault = missingFile(kReportOption);
    return request;
}

QString settingsFault(int code, const QString &settingsFile)
{
    const QString reason =
        code == SettingsError::FileNotFound ? QStringLiteral("Dosya bulunamadı.") : readFailureMessage(code);
    return QStringLiteral("Ayarlar dosyası okunamadı, rapor yazılmadı: %1\n%2")
        .arg(QDir::toNativeSeparators(settingsFile), reason);
}

// A report written over the settings it was made from, or over the working file, would lose them.
bool wouldReplaceSettings(const ReportRequest &request)
{
    return sameFile(request.pdfPath, request.settingsFile) || sameFile(request.pdfPath, settingsFilePath());
}

int writeReport(const ReportRequest &request)
{
    // The model holds some 44 KB of images: on the heap.
    const auto model = std::make_unique<Tanimlamalar>();
    const int code = loadSettingsFile(*model, request.settingsFile);
    if (code != SettingsError::None) {
        say(settingsFault(code, request.settingsFile));
        return kInputFault;
    }
    if (wouldReplaceSettings(request)) {
        say(reportOverSettingsMessage(request.pdfPath));
        return kNotWritten;
    }
    const ReportFacts facts{QDateTime::currentDateTime(), QDir::toNativeSeparators(request.settingsFile),
                            lastSendsTable(readSendRecord(request.settingsFile).transfers)};
    const QString failure = writeSiteReport(request.pdfPath, *model, facts);
    if (!failure.isEmpty()) {
        say(failure);
        return kNotWritten;
    }
    return kWritten;
}

}  // namespace

std::optional<int> writeReportIfAsked(int argc, char **argv)
{
    if (!asksForReport(argc, argv))
        return std::nullopt;
    chooseHeadlessPlatform();
    // Fonts and page layout need the GUI application, though it shows nothing.
    QGuiApplication app(argc, argv);
    const ReportRequest request = parseRequest(QCoreApplication::arguments());
    if (!request.fault.isEmpty()) {
        say(request.fault);
        return kInputFault;
    }
    return writeReport(request);
}
