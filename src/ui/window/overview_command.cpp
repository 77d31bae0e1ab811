#include "ui/window/overview_command.h"

#include "session/site_document.h"
#include "ui/overview/overview_window.h"
#include "ui/window/menu_host.h"
#include "ui/window/window_texts.h"

#include <QAction>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

OverviewCommand::OverviewCommand(QMenuBar &bar, Tanimlamalar &model, SiteDocument &document, OperatorDialogs &dialogs,
                                 MenuHost &host, QWidget &window)
    : QObject(&window), model_(model), document_(document), dialogs_(dialogs), host_(host), window_(window)
{
    QAction *overview = bar.addAction(texts::kOverview);
    overview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(overview, &QAction::triggered, this, [this] { show(); });
}

void OverviewCommand::close()
{
    delete overview_;
}

void OverviewCommand::show()
{
    host_.takeTyped();
    if (!overview_) {
        overview_ = new OverviewWindow(model_, document_, dialogs_);
        overview_->setAttribute(Qt::WA_DeleteOnClose);
        connect(&document_, &SiteDocument::changed, overview_, &OverviewWindow::refresh);
        connect(overview_, &OverviewWindow::aboutToCompare, this, [this] { host_.takeTyped(); });
        connect(overview_, &OverviewWindow::terminalChosen, this, &OverviewCommand::terminalChosen);
        connect(overview_, &OverviewWindow::groupChosen, this, &OverviewCommand::groupChosen);
        placeBeside(overview_);
    }
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
}

// Beside the main window where the screen has room for most of the overview (narrowed to
// that room), so that both stay in sight while the installer edits and watches; else against
// the screen's right edge, covering no more of the main window than it must.
void OverviewCommand::placeBeside(QWidget *overview) const
{
    constexpr double kNarrowestShare = 0.8;
    const QRect room = window_.screen()->availableGeometry();
    const QPoint beside = window_.frameGeometry().topRight() + QPoint(1, 0);
    const int besideWidth = room.right() - beside.x();
    if (besideWidth >= overview->width() * kNarrowestShare) {
        overview->resize(std::min(overview->width(), besideWidth), overview->height());
        overview->move(beside);
        return;
    }
    overview->move(std::max(room.left(), room.right() - overview->width()), beside.y());
}
