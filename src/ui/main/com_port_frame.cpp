#include "com_port_frame.h"

#include "layout_helpers.h"
#include "main_menu_texts.h"
#include "operator_dialogs.h"
#include "settings_messages.h"

#include <QLineEdit>
#include <QPushButton>

using namespace layout;

ComPortFrame::ComPortFrame(Tanimlamalar &model, OperatorDialogs &dialogs, QWidget *window)
    : QGroupBox(window), model_(model), dialogs_(dialogs)
{
    setUpFrame(this, QStringLiteral("Frame3"), texts::kFrame3, {7080, 7800, 2535, 1575});
    Text4 = textBox(this, QStringLiteral("Text4"), QStringLiteral("1"), {1080, 360, 495});
    Text4->setAccessibleName(texts::kFrame3);
    Command2 = command(this, QStringLiteral("Command2"), texts::kCommand2, {600, 840});

    // The model keeps the COM port number as the text of Text4.
    connect(Text4, &QLineEdit::textChanged, this, [this](const QString &text) { model_.Text4 = text; });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void ComPortFrame::load()
{
    Text4->setText(model_.Text4);
}

void ComPortFrame::focusPortNumber()
{
    Text4->setFocus();
}

QList<QWidget *> ComPortFrame::tabOrder() const
{
    return {Text4, Command2};
}

// The port stays as opened at start-up; the new number is used from the next start.
void ComPortFrame::Command2_Click()
{
    dosyaya_kaydet(model_, dialogs_);
    dialogs_.inform(texts::kRestartForPort);
}
