#pragma once

#include <QString>
#include <QStringList>

// Whether --trace may write its record to `path`: empty when it may (a new name, or a regular
// file that is none of the call's inputs), else the operator's words for the refusal. The
// record replaces the file, so it must never be the settings file or a layout being sent,
// by whatever name (a link, "..") it is given; and a device, pipe, socket or folder would
// take the record somewhere it does not belong, or block the open.
QString traceRefusal(const QString &path, const QStringList &inputs);

// Each platform's part: whether the two paths lead to the same file on disk, or Unknown
// where the system would not say (the refusal then holds: the record could replace an input).
enum class Identity { Same, Different, Unknown };
Identity compareIdentity(const QString &first, const QString &second);

// Each platform's part: a broken pipe or an exceeded file size ends a write with an error
// the program reports, instead of ending the program.
void keepRunningOnFailedWrites();
