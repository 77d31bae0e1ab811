#pragma once

#include <QObject>

class OperatorDialogs;
class QLabel;
class QPushButton;
class QWidget;
class UnitSession;

// Not a box: the upload goes on, and the operator reads why it is slow while it does. The
// hint takes a strip below the controls, which the window grows by; where the platform
// offers the fix, its button stands at the strip's right.
class SlowLineHint : public QObject {
    Q_OBJECT
public:
    SlowLineHint(QWidget &window, UnitSession &session, OperatorDialogs &dialogs);

    // What the strip adds to the window's height.
    static int stripHeight();
    // Shows the hint, building its strip at `top` the first time: true when it did.
    bool show(double msPerByte, int top);
    void showIdle(bool idle);

private:
    void build(int top);
    void fixLatency();

    QWidget &window_;
    UnitSession &session_;
    OperatorDialogs &dialogs_;
    QLabel *hint_ = nullptr;
    QPushButton *latencyFix_ = nullptr;
};
