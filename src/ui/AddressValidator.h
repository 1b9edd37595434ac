#pragma once

#include <QValidator>

// An IPv4 address as it is typed: a key that would make a part above 255, a part of
// more than three digits, a fifth part or anything but digits and dots is not taken.
// Whatever it takes stays as typed, complete or not (no fixup): an incomplete address is
// the page's to explain beside the field.
class AddressValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override;
};
