#include "ui/window/edit_menu.h"

#include "session/site_document.h"
#include "ui/window/menu_host.h"
#include "ui/window/window_texts.h"

#include <QMenu>
#include <QMenuBar>

EditMenu::EditMenu(QMenuBar &bar, SiteDocument &document, MenuHost &host, QObject *parent)
    : QObject(parent), document_(document)
{
    QMenu *edit = bar.addMenu(texts::kEditMenu);
    undo_ = edit->addAction(texts::kUndo, this, [this] { document_.undo(); });
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = edit->addAction(texts::kRedo, this, [this] { document_.redo(); });
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // A menu's shortcut works while its menu is closed, whatever control has the focus.
    for (QAction *action : {undo_, redo_})
        action->setShortcutContext(Qt::WindowShortcut);
    // The typed number is a change of its own before the history moves.
    connect(edit, &QMenu::aboutToShow, this, [&host] { host.takeTyped(); });
}

void EditMenu::show()
{
    undo_->setEnabled(document_.canUndo());
    undo_->setText(document_.canUndo() ? texts::kStepNamed.arg(texts::kUndo, document_.undoName()) : texts::kUndo);
    redo_->setEnabled(document_.canRedo());
    redo_->setText(document_.canRedo() ? texts::kStepNamed.arg(texts::kRedo, document_.redoName()) : texts::kRedo);
}
