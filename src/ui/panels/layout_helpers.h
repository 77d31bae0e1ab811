#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Places controls at the positions the installers know, given in twips (15 twips = 1 pixel
// at 96 dpi). A width of 0 lets the control take the width its caption needs; a given
// width grows when the caption would not fit the fonts at hand, except that a large label's
// width is the room it has: its font shrinks to fit.
namespace layout {

constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

enum class Look { Normal, LargeBlue, Underlined };

struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Each frame is a panel of its own class, set up in place.
void setUpFrame(QGroupBox *frame, const QString &name, const QString &title, Place place);
QLabel *label(QWidget *parent, const QString &name, const QString &text, Place place, Look look = Look::Normal);
QLabel *progressLabel(QWidget *parent, const QString &name, const QString &text, Place place);
QPushButton *command(QWidget *parent, const QString &name, const QString &caption, Place place);
// Steppers keep exactly their place: they stand edge to edge with the box between them.
QPushButton *stepper(QWidget *parent, const QString &name, const QString &caption, Place place);
QComboBox *combo(QWidget *parent, const QString &name, const QStringList &entries, Place place,
                 Look look = Look::Normal);
QLineEdit *textBox(QWidget *parent, const QString &name, const QString &text, Place place);
QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, Place place);

// The four steppers of a row share their captions ("50", "-", "+", "50"); their accessible
// names say which row they act on: "<row label> -50", "-1", "+1", "+50".
void nameSteppers(QPushButton *downFifty, QPushButton *downOne, QPushButton *upOne, QPushButton *upFifty,
                  const QString &rowLabel);

}  // namespace layout
