#include "cli/send_options.h"

#include "cli/send_texts.h"
#include "config/platform_paths.h"

#include <optional>

namespace {

const QString kTicketPrefix = QStringLiteral("ticket=");
constexpr double kShortestTimeout = 0.1;
constexpr double kLongestTimeout = 3600;

std::optional<SendItem> itemFor(const QString &word)
{
    if (word == QLatin1String("buttons"))
        return SendItem{TransferMode::ButtonSettings, word, {}, {}};
    if (word == QLatin1String("terminals"))
        return SendItem{TransferMode::TerminalSettings, word, {}, {}};
    if (word == QLatin1String("clock"))
        return SendItem{TransferMode::DateTime, word, {}, {}};
    if (word.startsWith(kTicketPrefix) && word.size() > kTicketPrefix.size())
        return SendItem{TransferMode::TicketData, word, word.mid(kTicketPrefix.size()), {}};
    return std::nullopt;
}

bool takesValue(const QString &option)
{
    static const QStringList options{QStringLiteral("--settings"), QStringLiteral("--port"),
                                     QStringLiteral("--ticket-number"), QStringLiteral("--timeout"),
                                     QStringLiteral("--trace")};
    return options.contains(option);
}

// Sets an option that takes a value; the fault when the value is not one it can take.
QString applyValue(SendOptions &options, const QString &option, const QString &value)
{
    bool ok = false;
    if (option == QLatin1String("--settings")) {
        options.settingsFile = value;
    } else if (option == QLatin1String("--port")) {
        options.device = value;
    } else if (option == QLatin1String("--trace")) {
        options.traceFile = value;
    } else if (option == QLatin1String("--ticket-number")) {
        options.ticketNumber = value.toInt(&ok);
        if (!ok || options.ticketNumber < 1 || options.ticketNumber > kLayoutCount)
            return sendTexts::badTicketNumber(value);
    } else {
        options.timeoutSeconds = value.toDouble(&ok);
        // Written so that NaN fails too; beyond an hour the timer's milliseconds overflow.
        if (!ok || !(options.timeoutSeconds >= kShortestTimeout && options.timeoutSeconds <= kLongestTimeout))
            return sendTexts::badTimeout(value);
    }
    return {};
}

class Parser {
public:
    explicit Parser(const QStringList &arguments) : arguments_(arguments)
    {
        line_.options.settingsFile = settingsFilePath();
    }

    CommandLine parse()
    {
        while (next_ < arguments_.size() && line_.fault.isEmpty())
            take(arguments_.at(next_++));
        if (line_.fault.isEmpty())
            line_.fault = wholeLineFault();
        return line_;
    }

private:
    void take(const QString &argument)
    {
        SendOptions &options = line_.options;
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            options.help = true;
        else if (argument == QLatin1String("--version"))
            options.version = true;
        else if (argument == QLatin1String("--list-ports"))
            options.listPorts = true;
        else if (argument == QLatin1String("--history"))
            options.history = true;
        else if (takesValue(option))
            takeValue(option, argument);
        else if (argument.startsWith(QLatin1Char('-')))
            line_.fault = sendTexts::unknownOption(argument);
        else if (const std::optional<SendItem> item = itemFor(argument))
            options.items.append(*item);
        else
            line_.fault = sendTexts::unknownWhat(argument);
    }

    // "--port DEVICE" or "--port=DEVICE".
    void takeValue(const QString &option, const QString &argument)
    {
        if (argument.size() > option.size()) {
            line_.fault = applyValue(line_.options, option, argument.mid(option.size() + 1));
            return;
        }
        if (next_ >= arguments_.size()) {
            line_.fault = sendTexts::missingValue(option);
            return;
        }
        line_.fault = applyValue(line_.options, option, arguments_.at(next_++));
    }

    QString wholeLineFault() const
    {
        const SendOptions &options = line_.options;
        if (options.help || options.version)
            return {};
        if (options.listPorts)
            return options.items.isEmpty() ? QString() : sendTexts::listPortsAlone();
        if (options.history)
            return options.items.isEmpty() ? QString() : sendTexts::historyAlone();
        return options.items.isEmpty() ? sendTexts::nothingToSend() : QString();
    }

    const QStringList &arguments_;
    qsizetype next_ = 0;
    CommandLine line_;
};

}  // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    return Parser(arguments).parse();
}
