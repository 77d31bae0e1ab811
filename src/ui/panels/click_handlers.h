#pragma once

#include <QHash>

#include <functional>

class QCheckBox;
class QComboBox;
class QObject;

// The click handlers of selectors and check boxes. Qt reports an operator's choice with
// activated (also for the entry already shown) and a tick with clicked, but not a change made
// by code; selectEntry and setTicked make such a change and run the same handler, since the
// panels' loads rely on it. FormLoading and PanelLoading hold back the handlers that would
// take it for an edit.
class ClickHandlers {
public:
    // The owner is the context of the connections: they end with it.
    explicit ClickHandlers(QObject *owner);

    void onClick(QComboBox *combo, const std::function<void()> &handler);
    void onClick(QCheckBox *box, const std::function<void()> &handler);
    void selectEntry(QComboBox *combo, int position) const;
    void setTicked(QCheckBox *box, bool ticked) const;

private:
    QObject *owner_;
    QHash<const QObject *, std::function<void()>> handlers_;
};
