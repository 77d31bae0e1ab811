#include "ui/panels/layout_helpers.h"

#include "ui/panels/panel_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace layout {

namespace {

constexpr int kRowControlHeight = 22;
constexpr int kProgressLabelWidth = 64;
constexpr int kLargeFontPoints = 18;
constexpr int kSmallestLargePoints = 12;
constexpr int kMaxVisibleEntries = 20;

template <typename Widget>
Widget *create(QWidget *parent, const QString &name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

int heightFor(QWidget *widget, const Place &place)
{
    return place.height ? pixels(place.height) : qMax(kRowControlHeight, widget->sizeHint().height());
}

void placeFitting(QWidget *widget, const Place &place)
{
    const int width = qMax(pixels(place.width), widget->sizeHint().width());
    widget->setGeometry(pixels(place.left), pixels(place.top), width, heightFor(widget, place));
}

void useLargeBlueFont(QWidget *widget)
{
    QFont font = widget->font();
    font.setPointSize(kLargeFontPoints);
    widget->setFont(font);
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Qt::blue);
    widget->setPalette(palette);
}

void useUnderlinedFont(QWidget *widget)
{
    QFont font = widget->font();
    font.setUnderline(true);
    widget->setFont(font);
}

// A large caption shrinks until it fits the room before the control it names, since the
// fonts at hand may run wider than the ones the window was drawn with.
void shrinkToFit(QWidget *widget, int room)
{
    QFont font = widget->font();
    while (widget->sizeHint().width() > room && font.pointSize() > kSmallestLargePoints) {
        font.setPointSize(font.pointSize() - 1);
        widget->setFont(font);
    }
}

void applyLook(QWidget *widget, Look look)
{
    if (look == Look::LargeBlue)
        useLargeBlueFont(widget);
    else if (look == Look::Underlined)
        useUnderlinedFont(widget);
}

}  // namespace

void setUpFrame(QGroupBox *frame, const QString &name, const QString &title, Place place)
{
    frame->setObjectName(name);
    frame->setTitle(title);
    frame->setGeometry(pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height));
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, Place place, Look look)
{
    auto *widget = create<QLabel>(parent, name);
    widget->setText(text);
    applyLook(widget, look);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (look == Look::LargeBlue && place.width) {
        shrinkToFit(widget, pixels(place.width));
        place.width = 0;
    }
    placeFitting(widget, place);
    return widget;
}

QLabel *progressLabel(QWidget *parent, const QString &name, const QString &text, Place place)
{
    auto *widget = create<QLabel>(parent, name);
    widget->setText(text);
    widget->setAlignment(Qt::AlignCenter);
    widget->setGeometry(pixels(place.left), pixels(place.top), kProgressLabelWidth, kRowControlHeight);
    return widget;
}

QPushButton *command(QWidget *parent, const QString &name, const QString &caption, Place place)
{
    auto *button = create<QPushButton>(parent, name);
    button->setText(caption);
    button->setAutoDefault(false);
    placeFitting(button, place);
    return button;
}

QPushButton *stepper(QWidget *parent, const QString &name, const QString &caption, Place place)
{
    auto *button = create<QPushButton>(parent, name);
    button->setText(caption);
    button->setAutoDefault(false);
    button->setGeometry(pixels(place.left), pixels(place.top), pixels(place.width), kRowControlHeight);
    return button;
}

QComboBox *combo(QWidget *parent, const QString &name, const QStringList &entries, Place place, Look look)
{
    auto *box = create<QComboBox>(parent, name);
    applyLook(box, look);
    box->addItems(entries);
    box->setPlaceholderText(texts::kNoSelection);
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(qMin(kMaxVisibleEntries, int(entries.size())));
    placeFitting(box, place);
    return box;
}

QLineEdit *textBox(QWidget *parent, const QString &name, const QString &text, Place place)
{
    auto *box = create<QLineEdit>(parent, name);
    box->setText(text);
    box->setAlignment(Qt::AlignCenter);
    box->setGeometry(pixels(place.left), pixels(place.top), pixels(place.width), kRowControlHeight);
    return box;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, Place place)
{
    auto *box = create<QCheckBox>(parent, name);
    box->setText(caption);
    placeFitting(box, place);
    return box;
}

void nameSteppers(QPushButton *downFifty, QPushButton *downOne, QPushButton *upOne, QPushButton *upFifty,
                  const QString &rowLabel)
{
    downFifty->setAccessibleName(texts::kStepDownFiftyName.arg(rowLabel));
    downOne->setAccessibleName(texts::kStepDownOneName.arg(rowLabel));
    upOne->setAccessibleName(texts::kStepUpOneName.arg(rowLabel));
    upFifty->setAccessibleName(texts::kStepUpFiftyName.arg(rowLabel));
}

}  // namespace layout
