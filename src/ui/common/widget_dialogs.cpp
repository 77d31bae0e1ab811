#include "widget_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// The box belongs to whichever window the operator is working in, so it opens over it.
QWidget *ownerWindow()
{
    return QApplication::activeWindow();
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
