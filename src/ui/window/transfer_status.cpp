#include "ui/window/transfer_status.h"

#include "session/unit_state.h"
#include "ui/window/window_texts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kMargin = 4;
constexpr int kButtonPadding = 4;

QLabel *statusLine(const QString &name, QWidget *parent)
{
    auto *line = new QLabel(parent);
    line->setAccessibleName(name);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

// The text also as the description: assistive tools read a named label's name, not its text.
void setLine(QLabel *line, const QString &text)
{
    line->setText(text);
    line->setAccessibleDescription(text);
}

}  // namespace

TransferStatus::TransferStatus(const Tanimlamalar &model, UnitSession &session, QAction &stop, QWidget *parent)
    : QWidget(parent), model_(model), session_(session), watch_(session)
{
    buildRows(stop);
    stateTimer_.setSingleShot(true);
    stateTimer_.setInterval(0);
    connect(&stateTimer_, &QTimer::timeout, this, &TransferStatus::showUnitState);
    connect(&watch_, &TransferWatch::lineChanged, this, &TransferStatus::showLine);
    connect(&session_, &UnitSession::transferEnded, this, &TransferStatus::transferEnded);
    connect(&session_.document(), &SiteDocument::changed, &stateTimer_, qOverload<>(&QTimer::start));
    readRecord();
    showUnitState();
}

void TransferStatus::buildRows(QAction &stop)
{
    transferLine_ = statusLine(texts::kTransferLineName, this);
    unitLine_ = statusLine(texts::kUnitLineName, this);
    noticeLine_ = statusLine(texts::kUnitNoticeName, this);
    noticeLine_->setWordWrap(true);
    noticeLine_->hide();
    stopButton_ = new QPushButton(texts::kStopButton, this);
    stopButton_->setObjectName(QStringLiteral("cmdDurdur"));
    stopButton_->setAccessibleName(texts::kStopButton);
    // A line's height, so that the window grows by two lines of text and the row keeps its
    // height whether the button shows or not.
    const int lineHeight = transferLine_->fontMetrics().height() + kButtonPadding;
    stopButton_->setFixedHeight(lineHeight);
    transferLine_->setMinimumHeight(lineHeight);
    stopButton_->setVisible(stop.isEnabled());
    connect(stopButton_, &QPushButton::clicked, &stop, &QAction::trigger);
    connect(&stop, &QAction::enabledChanged, stopButton_, &QWidget::setVisible);
    auto *rows = new QGridLayout(this);
    rows->setContentsMargins(kMargin, 0, kMargin, kMargin);
    rows->setVerticalSpacing(0);
    rows->addWidget(transferLine_, 0, 0);
    rows->addWidget(stopButton_, 0, 1);
    rows->addWidget(unitLine_, 1, 0, 1, 2);
    rows->addWidget(noticeLine_, 2, 0, 1, 2);
    rows->setColumnStretch(0, 1);
}

void TransferStatus::showLine(const QString &line)
{
    setLine(transferLine_, line);
}

int TransferStatus::rowsHeight(int width) const
{
    layout()->invalidate();
    return hasHeightForWidth() ? heightForWidth(width) : sizeHint().height();
}

// The record was written before this: what the unit holds is read again. An operator who
// left the window is called back to it.
void TransferStatus::transferEnded(const TransferSummary &summary)
{
    if (!summary.setAside.isEmpty())
        setAside_ = summary.setAside;
    readRecord();
    showUnitState();
    if (summary.transfer.end != TransferEnd::Abandoned && !window()->isActiveWindow())
        QApplication::alert(window());
}

void TransferStatus::readRecord()
{
    recordFile_ = session_.recordedFile();
    recordPort_ = session_.portName();
    const SendRecord record = readSendRecord(recordFile_);
    record_ = record.transfers;
    if (!record.setAside.isEmpty())
        setAside_ = record.setAside;
    lastOnPort_ = lastSendOnPort(recordPort_);
}

void TransferStatus::showUnitState()
{
    if (recordFile_ != session_.recordedFile()) {
        setAside_.clear();
        readRecord();
    } else if (recordPort_ != session_.portName()) {
        readRecord();
    }
    const UnitState state = unitStateOf(model_, record_, recordFile_, lastOnPort_);
    setLine(unitLine_, unsentLine(state.unsent));
    QStringList notices;
    if (state.otherFile)
        notices << otherFileLine(QDir::toNativeSeparators(state.otherFile->settingsPath), state.otherFile->when);
    if (!setAside_.isEmpty())
        notices << recordSetAsideLine(QDir::toNativeSeparators(setAside_));
    const bool wasShown = !noticeLine_->isHidden();
    setLine(noticeLine_, notices.join(QLatin1Char('\n')));
    noticeLine_->setVisible(!notices.isEmpty());
    if (wasShown != !noticeLine_->isHidden() || wasShown)
        emit heightChanged();
}
