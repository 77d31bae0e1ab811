#include "ui/panels/click_handlers.h"

#include <QCheckBox>
#include <QComboBox>

ClickHandlers::ClickHandlers(QObject *owner) : owner_(owner)
{
}

void ClickHandlers::onClick(QComboBox *combo, const std::function<void()> &handler)
{
    handlers_.insert(combo, handler);
    QObject::connect(combo, &QComboBox::activated, owner_, [handler] { handler(); });
}

void ClickHandlers::onClick(QCheckBox *box, const std::function<void()> &handler)
{
    handlers_.insert(box, handler);
    QObject::connect(box, &QCheckBox::clicked, owner_, [handler] { handler(); });
}

void ClickHandlers::selectEntry(QComboBox *combo, int position) const
{
    combo->setCurrentIndex(position);
    handlers_.value(combo)();
}

void ClickHandlers::setTicked(QCheckBox *box, bool ticked) const
{
    box->setChecked(ticked);
    handlers_.value(box)();
}
