#pragma once

#include <QValidator>

// What the operator may type into the number boxes, so that a typed value always fits the
// model's 16 bits. Texts put there by loading or stepping are not checked.

// Ticket numbers: 0..999.
class TicketNumberValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// Priority counts: 0..254, or "MAX".
class PriorityCountValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};
