#pragma once

#include "config/tanimlamalar.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One transfer asked for on the command line.
struct SendItem {
    TransferMode kind = TransferMode::None;
    QString word;        // as given: "buttons", "ticket=kat1.txt"
    QString layoutFile;  // ticket data only
    QByteArray layout;   // the layout's bytes, once read
};

struct SendOptions {
    QString settingsFile;
    QString device;        // empty: the settings file's COM port
    int ticketNumber = 1;  // as the editor lists them: 1 is "1st Ticket"
    double timeoutSeconds = 5;
    QString traceFile;      // empty: no trace
    QList<SendItem> items;  // in the order given
    bool listPorts = false;
    bool history = false;  // the record of what the unit got from the settings file
    bool help = false;
    bool version = false;
};

// The options, or why the command line is not understood.
struct CommandLine {
    SendOptions options;
    QString fault;  // empty when understood
};

// arguments: without the program's name.
CommandLine parseCommandLine(const QStringList &arguments);
