#pragma once

#include "config/tanimlamalar.h"
#include "link/serial_port.h"
#include "scripted_dialogs.h"
#include "session/unit_session.h"
#include "settings_folder.h"
#include "ui/window/main_menu.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <memory>

// One main window over a private settings folder, its boxes answered by ScriptedDialogs.
// COM ports 1..9 point at a device that does not exist, so no real port is ever opened.
class MainMenuFixture {
public:
    MainMenuFixture();

    // Writes a settings file holding this model's values.
    void writeSettings(const Tanimlamalar &fileModel) const;
    // Creates the window and runs its load.
    StartDecision start();

    template <typename Widget>
    Widget *find(const QString &name) const
    {
        auto *widget = window->findChild<Widget *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QComboBox *combo(const QString &name) const { return find<QComboBox>(name); }
    QLineEdit *box(const QString &name) const { return find<QLineEdit>(name); }
    QCheckBox *check(const QString &name) const { return find<QCheckBox>(name); }
    QAbstractButton *button(const QString &name) const { return find<QAbstractButton>(name); }

    SettingsFolder folder;
    ScriptedDialogs dialogs;
    Tanimlamalar model;
    SerialPort port;
    UnitSession session{model, dialogs, port};
    std::unique_ptr<Main_Menu> window;
};

// The operator's actions.
void choose(QComboBox *combo, int position);  // through the drop-down list, as with the keyboard
void click(QAbstractButton *button);
void tick(QCheckBox *box);  // a mouse click on the box
