#include "ui/editor/editor.h"

#include "images/ticket_image.h"
#include "images/ticket_layout_parser.h"
#include "images/ticket_numbers.h"
#include "ui/editor/ticket_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int kHeadingPointSize = 20;
constexpr int kTicketBoxStretch = 4;

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

Editor::Editor(Tanimlamalar &model, UnitSession &session, OperatorDialogs &dialogs, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Window), model_(model), session_(session), dialogs_(dialogs), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("Editor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Bilet Yükleme Editörü Ver 3.04  ZEMRA Ruvozivira Ltd"));
    buildControls();
    Form_Load();
}

void Editor::buildControls()
{
    auto *heading = addLabel(this, "Label5", QStringLiteral("BİLET YÜKLEME"));
    QFont headingFont(QStringLiteral("Serif"), kHeadingPointSize, QFont::Bold);
    headingFont.setStyleHint(QFont::Serif);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);

    auto *open = addButton(this, "Ticket_Open", QStringLiteral("Dosya Aç"));
    auto *back = addButton(this, "Config", QStringLiteral("GERİ DÖN"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addStretch();
    buttons->addWidget(back);

    ticket_ = new QTextEdit(this);
    ticket_->setObjectName(QStringLiteral("Ticket"));
    ticket_->setReadOnly(true);  // a view only: the image changes by opening a file

    progress_ = addLabel(this, "Label1", QStringLiteral("% 0"));
    auto *send = addButton(this, "Send_Control", QStringLiteral("Ana Kumanda Ünitesine gönder"));

    ticketNumber_ = new QComboBox(this);
    ticketNumber_->setObjectName(QStringLiteral("Bilet_No_Combo"));
    ticketNumber_->setPlaceholderText(QStringLiteral("Bilet Data Numarası"));
    for (int n = 0; n < kLayoutCount; ++n)
        ticketNumber_->addItem(ticketItemText(n));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(buttons);
    layout->addWidget(ticket_, kTicketBoxStretch);
    layout->addWidget(progress_);
    layout->addWidget(send);
    layout->addWidget(ticketNumber_);
    layout->addStretch(kTicketBoxStretch);

    connect(open, &QPushButton::clicked, this, &Editor::Ticket_Open_Click);
    connect(back, &QPushButton::clicked, this, &Editor::Config_Click);
    connect(send, &QPushButton::clicked, this, &Editor::Send_Control_Click);
    connect(&session_, &UnitSession::progress, this, [this](TransferMode kind, const QString &caption) {
        if (kind == TransferMode::TicketData)
            progress_->setText(caption);
    });
}

void Editor::Form_Load()
{
    ticketNumber_->setCurrentIndex(0);
}

Editor *Editor::showInsteadOf(QPointer<Editor> &editor, Tanimlamalar &model, UnitSession &session,
                              OperatorDialogs &dialogs, QWidget *mainWindow)
{
    mainWindow->hide();
    // A window of its own, not a child of the hidden main window: only then does it count as
    // a window the application runs for, so closing a box or dialog over it does not end the
    // application, and it gets a taskbar entry of its own. The main window deletes it.
    if (!editor)
        editor = new Editor(model, session, dialogs, mainWindow);
    editor->show();
    return editor;
}

void Editor::Ticket_Open_Click()
{
    bilet_dosyasi_oku();
}

void Editor::bilet_dosyasi_oku()
{
    const QString path = dialogs_.chooseFileToOpen();
    if (path.isEmpty())
        return;
    const std::optional<QByteArray> layout = readLayoutFile(path);
    if (!layout)
        return;
    fillTicketImage(model_.TicketImage, *layout);
    ticket_->setPlainText(ticketViewText(*layout));
}

void Editor::Config_Click()
{
    hide();
    showMainWindow();
}

void Editor::Send_Control_Click()
{
    session_.sendTicket(ticketNumber_->currentIndex());
}

void Editor::closeEvent(QCloseEvent *event)
{
    hide();
    showMainWindow();
    event->accept();
}

void Editor::showMainWindow()
{
    if (mainWindow_)
        mainWindow_->show();
}
