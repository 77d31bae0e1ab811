// bilvex-send: sends the settings, the clock or ticket layouts to the control unit from the
// command line, through the same session with the unit as the window.
#include "cli/error_output.h"
#include "cli/exit_status.h"
#include "cli/send_inputs.h"
#include "cli/send_job.h"
#include "cli/send_options.h"
#include "cli/send_port.h"
#include "cli/send_texts.h"
#include "cli/stderr_dialogs.h"
#include "cli/trace_target.h"
#include "link/link_messages.h"
#include "link/serial_port.h"
#include "link/tracing_link.h"
#include "ports/port_listing.h"
#include "session/send_record.h"
#include "session/stop_requests.h"
#include "session/unit_session.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

int listPorts(ErrorOutput &out)
{
    const QList<PortDescription> ports = availablePortDescriptions();
    if (ports.isEmpty())
        out.line(sendTexts::noPortsFound());
    for (const PortDescription &port : ports)
        std::printf("%s\n", portListingLine(port).toUtf8().constData());
    return ExitStatus::Success;
}

// Newest first, as the window's "Gönderim Geçmişi" lists them.
int printHistory(const QString &settingsFile, ErrorOutput &out)
{
    const SendRecord record = readSendRecord(settingsFile);
    if (!record.setAside.isEmpty())
        out.line(recordSetAsideLine(record.setAside));
    for (auto transfer = record.transfers.crbegin(); transfer != record.transfers.crend(); ++transfer)
        std::printf("%s\n", historyCells(*transfer).join(QLatin1Char('\t')).toUtf8().constData());
    return ExitStatus::Success;
}

// The line's record for support, when one is asked for: written as it goes, unbuffered.
struct Trace {
    QFile file;
    std::unique_ptr<LineTrace> lines;
};

bool openTrace(Trace &trace, const QString &path)
{
    if (path.isEmpty())
        return true;
    trace.file.setFileName(path);
    if (!trace.file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    trace.lines = std::make_unique<LineTrace>(trace.file);
    return true;
}

// The serial port, recorded in the trace when there is one.
class SendLink {
public:
    explicit SendLink(LineTrace *trace)
    {
        if (trace)
            traced_ = std::make_unique<TracingLink>(port_, *trace);
    }
    ByteLink &link()
    {
        if (traced_)
            return *traced_;
        return port_;
    }

private:
    SerialPort port_;
    std::unique_ptr<TracingLink> traced_;
};

int sendAll(SendOptions options, ErrorOutput &out, const StopRequests &stopRequests)
{
    // The images alone are some 44 KB: the model lives on the heap.
    const auto model = std::make_unique<Tanimlamalar>();
    const QString fault = readInputs(options.settingsFile, options.items, *model);
    if (!fault.isEmpty()) {
        out.line(fault);
        return ExitStatus::InputFault;
    }
    QStringList inputs{options.settingsFile};
    for (const SendItem &item : options.items) {
        if (!item.layoutFile.isEmpty())
            inputs << item.layoutFile;
    }
    const QString refusal = options.traceFile.isEmpty() ? QString() : traceRefusal(options.traceFile, inputs);
    if (!refusal.isEmpty()) {
        out.line(refusal);
        return ExitStatus::InputFault;
    }
    Trace trace;
    if (!openTrace(trace, options.traceFile)) {
        out.line(sendTexts::traceUnwritable(options.traceFile));
        return ExitStatus::InputFault;
    }
    SendLink link(trace.lines.get());
    StderrDialogs dialogs(out);
    UnitSession session(*model, dialogs, link.link());
    session.recordFor(options.settingsFile);
    const SendPort port = sendPortFor(options.device, model->Text4);
    const PortOpening opening = openChosenPort(session, port);
    if (opening.result != PortOpening::Result::Opened) {
        out.line(portFaultMessage(port, opening));
        return ExitStatus::PortFault;
    }
    // The trace tells support whether the driver took the request; a refusal is worth a hint.
    if (opening.lowLatency == PortOpening::LowLatency::Refused)
        out.line(lowLatencyRefusedMessage());
    if (trace.lines && opening.lowLatency != PortOpening::LowLatency::NotOffered)
        trace.lines->note(sendTexts::lowLatencyNote(opening.lowLatency == PortOpening::LowLatency::Granted));
    SendJob job(session, *model, out, options, trace.lines.get());
    QObject::connect(&job, &SendJob::done, &job, [](int status) { QCoreApplication::exit(status); });
    QObject::connect(&stopRequests, &StopRequests::requested, &job, &SendJob::stop);
    if (stopRequests.wasRequested())
        return ExitStatus::UnitLost;
    QTimer::singleShot(0, &job, &SendJob::start);
    const int status = QCoreApplication::exec();
    if (trace.lines) {
        trace.lines->finish();
        if (trace.lines->failed())
            out.line(sendTexts::traceUnwritable(options.traceFile));
    }
    return status;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bilvex-send"));
    prepareConsole();
    keepRunningOnFailedWrites();
    ErrorOutput out(errorOutputIsTerminal());
    const CommandLine line = parseCommandLine(QCoreApplication::arguments().mid(1));
    if (!line.fault.isEmpty()) {
        out.line(sendTexts::usageFault(line.fault));
        return ExitStatus::InputFault;
    }
    if (line.options.help) {
        std::fputs(sendTexts::help().toUtf8().constData(), stdout);
        return ExitStatus::Success;
    }
    if (line.options.version) {
        std::fputs(sendTexts::version().toUtf8().constData(), stdout);
        return ExitStatus::Success;
    }
    if (line.options.listPorts)
        return listPorts(out);
    if (line.options.history)
        return printHistory(line.options.settingsFile, out);
    // Made before the port opens, gone after it closes: a stop request never leaves a lock.
    const StopRequests stopRequests;
    return sendAll(line.options, out, stopRequests);
}
