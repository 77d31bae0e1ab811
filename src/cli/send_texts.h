#pragma once

#include <QString>

// bilvex-send's own texts. What the window also says (settings file, port, echo and
// refusal messages) is said in the window's words, from where the window takes them.
namespace sendTexts {

QString help();
// Each platform's: a port name for the help's example, and the fields --list-ports prints.
QString portExample();
QString listedPortFields();
// Where else the settings file may be, after its path in the help; empty where nowhere.
QString settingsPlacesNote();
// A command line not understood: the reason, then where to find the usage.
QString usageFault(const QString &reason);
QString unknownOption(const QString &option);
QString missingValue(const QString &option);
QString badTicketNumber(const QString &value);
QString badTimeout(const QString &value);
QString unknownWhat(const QString &word);
QString nothingToSend();
QString listPortsAlone();
QString historyAlone();

// Which file the settings message that follows is about.
QString settingsFileLine(const QString &path);
// A missing settings file: the window would create one, bilvex-send never writes it, so it
// does not say the window's words (which promise a new file).
QString noSettingsFile();
QString layoutUnreadable(const QString &path);
QString traceUnwritable(const QString &path);
// --trace names a device, pipe, socket or folder.
QString traceNotAFile(const QString &path);
// --trace names the settings file or a layout file of the same call.
QString traceIsAnInput(const QString &path);
// The system would not tell whether --trace names one of the call's files.
QString traceIdentityUnknown(const QString &path);

// The device a COM port number led to.
QString deviceLine(const QString &device);
QString dialoutHint();
QString noPortsFound();

QString unitSilent(double seconds);

// "buttons  [#####.....]  52 %  1081/2079 bayt  kalan 0:04"
QString progressBar(const QString &what, int sent, int total, qint64 elapsedMs);
// "buttons: 2079/2079 bayt, 0 hatalı yankı, 8.77 s, 4.2 ms/bayt", with the reason when it
// ended early.
QString summary(const QString &what, int sent, int total, int wrongEchoes, double seconds, double msPerByte,
                const QString &endedEarly = {});
QString silentEnding();
QString lostEnding();
QString stoppedEnding();
// The trace's note on the driver's low-latency mode.
QString lowLatencyNote(bool granted);
// "bilvex-send 3.4.0"
QString version();

}  // namespace sendTexts
