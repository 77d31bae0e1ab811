#include "ui/common/widget_dialogs.h"

#include "config/platform_paths.h"
#include "ui/common/button_texts.h"
#include "ui/common/port_picker_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

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

struct SiteFileDialogTexts {
    QString openCaption;
    QString saveCaption;
    QString filter;
    QString suffix;
};

SiteFileDialogTexts siteFileDialogTexts(SiteFile kind)
{
    const QString all = QStringLiteral(";;Tüm dosyalar (*)");
    switch (kind) {
    case SiteFile::Csv:
        return {QStringLiteral("CSV'den İçe Aktar"), QStringLiteral("CSV Olarak Dışa Aktar"),
                QStringLiteral("CSV dosyaları (*.csv)") + all, QStringLiteral("csv")};
    case SiteFile::Report:
        return {QStringLiteral("Rapor"), QStringLiteral("Rapor"), QStringLiteral("PDF dosyaları (*.pdf)") + all,
                QStringLiteral("pdf")};
    case SiteFile::Settings:
        break;
    }
    return {QStringLiteral("Ayar Dosyası Aç"), QStringLiteral("Farklı Kaydet"),
            QStringLiteral("Ayar dosyaları (*.txt *.TXT)") + all, QStringLiteral("txt")};
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

bool WidgetDialogs::askOkCancel(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    ownerWindow());
    QPushButton *ok = box.addButton(texts::kOk, QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(texts::kCancel, QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == ok;
}

SaveChoice WidgetDialogs::askToSave(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    ownerWindow());
    QPushButton *save = box.addButton(texts::kSave, QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(texts::kDiscard, QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(texts::kCancel, QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    return box.clickedButton() == discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

// Where the operator chose last, else where this platform's dialogs should start.
QString WidgetDialogs::startFolder() const
{
    return chosenFolder_.isEmpty() ? firstDialogFolder() : chosenFolder_;
}

QString WidgetDialogs::runFileDialog(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString chosen = dialog.selectedFiles().constFirst();
    chosenFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString WidgetDialogs::chooseFileToOpen()
{
    QFileDialog dialog(ownerWindow(), QString(), startFolder());
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString WidgetDialogs::chooseSiteFileToOpen(SiteFile kind)
{
    const SiteFileDialogTexts texts = siteFileDialogTexts(kind);
    QFileDialog dialog(ownerWindow(), texts.openCaption, startFolder(), texts.filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString WidgetDialogs::chooseSiteFileToSave(SiteFile kind, const QString &suggestedName)
{
    const SiteFileDialogTexts texts = siteFileDialogTexts(kind);
    QFileDialog dialog(ownerWindow(), texts.saveCaption, startFolder(), texts.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(texts.suffix);
    dialog.selectFile(suggestedName);
    return runFileDialog(dialog);
}

std::optional<PortDescription> WidgetDialogs::choosePort(const std::function<QList<PortRow>()> &listPorts)
{
    PortPickerDialog dialog(listPorts, ownerWindow());
    dialog.exec();
    return dialog.chosenPort();
}
