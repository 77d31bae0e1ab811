#include "ui/window/unit_menu.h"

#include "ui/site/send_history_dialog.h"
#include "ui/window/window_texts.h"

#include <QMenu>
#include <QMenuBar>

UnitMenu::UnitMenu(QMenuBar &bar, UnitSession &session, std::function<void()> takeTyped, QWidget &window)
    : QObject(&window), session_(session), takeTyped_(std::move(takeTyped)), window_(window), sequence_(session)
{
    QMenu &menu = *bar.addMenu(texts::kUnitMenu);
    addCommand(
        menu, texts::kSendAll, [this] { sequence_.start(); }, QKeySequence(Qt::CTRL | Qt::Key_G));
    addCommand(menu, texts::kSendButtonsItem, [this] { session_.sendButtons(); });
    addCommand(menu, texts::kSendTerminalsItem, [this] { session_.sendTerminals(); });
    addCommand(menu, texts::kSetClockItem, [this] { session_.sendClock(); });
    menu.addSeparator();
    stop_ = menu.addAction(texts::kStop, this, &UnitMenu::stop);
    menu.addSeparator();
    addCommand(menu, texts::kSendHistory, [this] { showHistory(); });
    connect(&session_, &UnitSession::transferStarted, this, &UnitMenu::showRunning);
    connect(&session_, &UnitSession::transferEnded, this, &UnitMenu::showRunning);
    connect(&sequence_, &SendSequence::runningChanged, this, &UnitMenu::showRunning);
    showRunning();
}

void UnitMenu::addCommand(QMenu &menu, const QString &caption, const std::function<void()> &command,
                          const QKeySequence &shortcut)
{
    QAction *action = menu.addAction(caption, this, [this, command] {
        takeTyped_();
        command();
    });
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // Works while the menu is closed, whatever control has the focus.
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

// Also between the steps of "Hepsini Gönder", when no transfer runs.
void UnitMenu::stop()
{
    sequence_.cancel();
    session_.stop();
}

void UnitMenu::showRunning()
{
    stop_->setEnabled(session_.engine().isRunning() || sequence_.isRunning());
}

void UnitMenu::showHistory()
{
    SendHistoryDialog dialog(session_.recordedFile(), &window_);
    dialog.exec();
}
