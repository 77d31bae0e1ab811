#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A private settings folder for one test: points XDG_CONFIG_HOME at a temporary folder
// so no test ever touches a user's real settings.
class SettingsFolder {
public:
    SettingsFolder();
    ~SettingsFolder();
    SettingsFolder(const SettingsFolder &) = delete;
    SettingsFolder &operator=(const SettingsFolder &) = delete;
    QString settingsFile() const;  // the path the tool reads and writes
    QString folder() const;        // the folder holding it
    QByteArray fileBytes() const;
    void writeFile(const QByteArray &bytes) const;

private:
    QTemporaryDir root_;
    QByteArray previous_;
};
