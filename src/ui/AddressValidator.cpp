#include "ui/AddressValidator.h"

#include <QStringList>

namespace {

constexpr int Parts = 4;
constexpr int PartDigits = 3;
constexpr int PartMaximum = 255;

} // namespace

QValidator::State AddressValidator::validate(QString &input, int &) const {
    const QStringList parts = input.split(QLatin1Char('.'));
    if (parts.size() > Parts)
        return Invalid;
    bool complete = parts.size() == Parts;
    for (const QString &part : parts) {
        if (part.size() > PartDigits)
            return Invalid;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
        if (part.isEmpty())
            complete = false;
        else if (part.toInt() > PartMaximum)
            return Invalid;
    }
    return complete ? Acceptable : Intermediate;
}
