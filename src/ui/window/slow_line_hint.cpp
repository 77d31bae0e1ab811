#include "ui/window/slow_line_hint.h"

#include "link/link_messages.h"
#include "ports/elevated_fix.h"
#include "ports/port_messages.h"
#include "session/operator_dialogs.h"
#include "session/unit_session.h"
#include "ui/window/window_texts.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kHintMargin = 8;
constexpr int kHintHeight = 44;
constexpr int kFixWidth = 80;
constexpr int kFixHeight = 26;

}  // namespace

SlowLineHint::SlowLineHint(QWidget &window, UnitSession &session, OperatorDialogs &dialogs)
    : QObject(&window), window_(window), session_(session), dialogs_(dialogs)
{
}

int SlowLineHint::stripHeight()
{
    return kHintHeight + kHintMargin;
}

bool SlowLineHint::show(double msPerByte, int top)
{
    const bool built = !hint_;
    if (built)
        build(top);
    hint_->setText(slowLineMessage(msPerByte));
    hint_->setAccessibleDescription(hint_->text());
    hint_->show();
    return built;
}

void SlowLineHint::showIdle(bool idle)
{
    if (latencyFix_)
        latencyFix_->setEnabled(idle);
}

void SlowLineHint::build(int top)
{
    const int width = window_.width();
    int hintWidth = width - 2 * kHintMargin;
    if (latencyFixOffered()) {
        hintWidth -= kFixWidth + kHintMargin;
        latencyFix_ = new QPushButton(texts::kFixLatency, &window_);
        latencyFix_->setObjectName(QStringLiteral("Gecikme_Duzelt"));
        latencyFix_->setGeometry(width - kHintMargin - kFixWidth, top + (kHintHeight - kFixHeight) / 2, kFixWidth,
                                 kFixHeight);
        latencyFix_->setEnabled(!session_.document().transferRunning());
        connect(latencyFix_, &QPushButton::clicked, this, &SlowLineHint::fixLatency);
        latencyFix_->show();
    }
    hint_ = new QLabel(&window_);
    hint_->setAccessibleName(QStringLiteral("Hat uyarısı"));
    hint_->setWordWrap(true);
    hint_->setStyleSheet(QStringLiteral("color: #a00000;"));
    hint_->setGeometry(kHintMargin, top, hintWidth, kHintHeight);
}

// The port the session opened, not the number in the COM port box: a number typed since is
// opened only at the next start. Offered only between transfers, since the window waits for
// the system's prompt and the command, and the adapter is to be replugged afterwards anyway;
// disabled while the prompt is up, should the window take a click meanwhile.
void SlowLineHint::fixLatency()
{
    latencyFix_->setEnabled(false);
    const bool fixed = runLatencyFix(session_.portDevice(), window_.winId());
    latencyFix_->setEnabled(!session_.document().transferRunning());
    dialogs_.inform(fixed ? latencyFixedMessage() : latencyNotFixedMessage());
}
