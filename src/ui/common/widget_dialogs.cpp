#include "widget_dialogs.h"

#include "port_picker_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

namespace {

// The box belongs to whichever window the operator is working in, so it opens over it and
// the operator comes back to that window. Before a window manager has activated any window,
// that is the one window that is shown.
QWidget *ownerWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget *window) {
        return window->isVisible() && window->windowType() == Qt::Window;
    });
    return shown == windows.cend() ? nullptr : *shown;
}

}  // namespace

void WidgetDialogs::inform(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    ownerWindow());
    box.exec();
}

bool WidgetDialogs::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, ownerWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetDialogs::chooseFileToOpen()
{
    return QFileDialog::getOpenFileName(ownerWindow());
}

std::optional<PortDescription> WidgetDialogs::choosePort(const std::function<QList<PortRow>()> &listPorts)
{
    PortPickerDialog dialog(listPorts, ownerWindow());
    dialog.exec();
    return dialog.chosenPort();
}
