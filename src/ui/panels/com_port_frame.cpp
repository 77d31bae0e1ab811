#include "ui/panels/com_port_frame.h"

#include "config/platform_paths.h"
#include "ports/port_choice.h"
#include "ports/port_mapping.h"
#include "session/operator_dialogs.h"
#include "ui/panels/layout_helpers.h"
#include "ui/panels/panel_texts.h"

#include <QLineEdit>
#include <QPushButton>

using namespace layout;

ComPortFrame::ComPortFrame(Tanimlamalar &model, OperatorDialogs &dialogs, UnitSession &session, QWidget *window)
    : QGroupBox(window), model_(model), dialogs_(dialogs), session_(session)
{
    // Wider than the number and "Tamam" need, into the free space on its right: the picker
    // stands beside the number.
    setUpFrame(this, QStringLiteral("Frame3"), texts::kFrame3, {7080, 7800, 3000, 1575});
    Text4 = textBox(this, QStringLiteral("Text4"), QStringLiteral("1"), {1080, 360, 495});
    Text4->setAccessibleName(texts::kFrame3);
    Command2 = command(this, QStringLiteral("Command2"), texts::kCommand2, {600, 840});
    Port_Sec = command(this, QStringLiteral("Port_Sec"), texts::kChoosePort, {1680, 300});
    Port_Sec->setAccessibleName(texts::kChoosePortName);

    // The model keeps the COM port number as the text of Text4.
    connect(Text4, &QLineEdit::textChanged, this, [this](const QString &text) {
        model_.Text4 = text;
        session_.document().noteEdit();
    });
    // A typed number is a step once taken, not one per key.
    connect(Text4, &QLineEdit::editingFinished, this, [this] { session_.document().record(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Port_Sec, &QPushButton::clicked, this, [this] { Port_Sec_Click(); });
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
    return {Text4, Command2, Port_Sec};
}

// The port stays as opened at start-up; the new number is used from the next start.
void ComPortFrame::Command2_Click()
{
    session_.document().record();
    session_.document().save();
    dialogs_.inform(texts::kRestartForPort);
}

// Points COM n of Text4 at the chosen port (on Windows: puts its number into Text4), then
// saves as "Tamam" does; the new port is opened at the next start.
void ComPortFrame::Port_Sec_Click()
{
    const std::optional<PortDescription> chosen = dialogs_.choosePort([this] { return listPorts(); });
    if (!chosen)
        return;
    const MappingPlan plan = planMapping(*chosen, Text4->text(), settingsFolder() + QStringLiteral("/ports"));
    const MappingOutcome outcome = plan.mapping ? applyMapping(*plan.mapping) : MappingOutcome{false, plan.refusal};
    if (!outcome.message.isEmpty())
        dialogs_.inform(outcome.message);
    if (!outcome.applied)
        return;
    Text4->setText(plan.mapping->portText);
    Command2_Click();
}

QList<PortRow> ComPortFrame::listPorts() const
{
    return portRows(
        availablePortDescriptions(), [this](const QString &device) { return session_.portAccess(device); },
        currentMapping(Text4->text()));
}
