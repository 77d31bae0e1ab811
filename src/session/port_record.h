#pragma once

#include "config/platform_paths.h"

#include <QDateTime>
#include <QString>

#include <optional>

// Per port, the settings file the unit there last had whole settings from, kept by this PC
// beside the backups (birim-portlari.txt): a start on the working file after a day spent on
// another site's file then says that the unit holds the other site.

struct PortSend {
    QString settingsPath;
    QDateTime when;
};

QString portRecordStore();
std::optional<PortSend> lastSendOnPort(const QString &port, const QString &store = portRecordStore());
void rememberSendOnPort(const QString &port, const PortSend &send, const QString &store = portRecordStore());
