#include "main_menu.h"

#include "main_menu_texts.h"
#include "overview_window.h"
#include "transfer_status.h"
#include "unit_menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

// The site as a document in the window: the open file and its modified mark in the status
// bar, undo and redo in "Düzen", and the question before unsaved work would be dropped.

void Main_Menu::buildEditMenu()
{
    QMenu *edit = menuBar_->addMenu(texts::kEditMenu);
    undo_ = edit->addAction(texts::kUndo, this, [this] { document_.undo(); });
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = edit->addAction(texts::kRedo, this, [this] { document_.redo(); });
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // A menu's shortcut works while its menu is closed, whatever control has the focus.
    for (QAction *action : {undo_, redo_})
        action->setShortcutContext(Qt::WindowShortcut);
    // The typed number is a change of its own before the history moves.
    connect(edit, &QMenu::aboutToShow, this, &Main_Menu::takeTyped);
}

void Main_Menu::buildStatusBar()
{
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    fileInView_ = new QLabel(statusBar_);
    unsavedMark_ = new QLabel(statusBar_);
    statusBar_->addWidget(fileInView_, 1);
    statusBar_->addPermanentWidget(unsavedMark_);
    // Said once, in the bar: the start-up shows no box of its own for it.
    const QString notice = SiteDocument::takeStartNotice();
    if (!notice.isEmpty()) {
        auto *noticeLabel = new QLabel(notice, statusBar_);
        noticeLabel->setWordWrap(true);
        statusBar_->addWidget(noticeLabel, 2);
    }
    transferStatus_ = new TransferStatus(model_, session_, unitMenu_->stopAction(), this);
}

void Main_Menu::connectDocument()
{
    connect(&document_, &SiteDocument::changed, this, &Main_Menu::showDocument);
    connect(&document_, &SiteDocument::valuesReplaced, this, &Main_Menu::refillFromModel);
    connect(&session_, &UnitSession::transferStarted, this, &Main_Menu::showDocument);
    connect(&session_, &UnitSession::finished, this, &Main_Menu::showDocument);
    connect(&session_, &UnitSession::linkLost, this, &Main_Menu::showDocument);
    connect(&session_, &UnitSession::transferEnded, this, &Main_Menu::showDocument);
}

void Main_Menu::showDocument()
{
    fileInView_->setText(texts::kFileInView.arg(QDir::toNativeSeparators(document_.path())));
    unsavedMark_->setText(document_.isModified() ? texts::kUnsavedMark : QString());
    undo_->setEnabled(document_.canUndo());
    undo_->setText(document_.canUndo() ? texts::kStepNamed.arg(texts::kUndo, document_.undoName()) : texts::kUndo);
    redo_->setEnabled(document_.canRedo());
    redo_->setText(document_.canRedo() ? texts::kStepNamed.arg(texts::kRedo, document_.redoName()) : texts::kRedo);
    const bool idle = !document_.transferRunning();
    open_->setEnabled(idle);
    recentFiles_->setEnabled(idle);
    backups_->setEnabled(idle);
    if (latencyFix_)
        latencyFix_->setEnabled(idle);
}

// The number still typed in the focused box, taken as Enter or leaving the box would.
void Main_Menu::takeTyped()
{
    Update_data();
}

// Asks before unsaved values would be dropped; false when the operator keeps them.
bool Main_Menu::mayDropDocument()
{
    takeTyped();
    if (!document_.isModified())
        return true;
    switch (dialogs_.askToSave(texts::kUnsavedQuestion.arg(document_.shownPath()))) {
    case SaveChoice::Save:
        return document_.save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

// Closing the main window ends the application, the hidden editor window and the overview
// with it; a running transfer and unsaved values are asked about first.
void Main_Menu::closeEvent(QCloseEvent *event)
{
    if (document_.transferRunning() &&
        !dialogs_.askYesNo(QGuiApplication::applicationDisplayName(), texts::kTransferRunningQuestion)) {
        event->ignore();
        return;
    }
    if (!mayDropDocument()) {
        event->ignore();
        return;
    }
    delete editor_;
    delete overview_;
    QWidget::closeEvent(event);
}
