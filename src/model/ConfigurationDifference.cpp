#include "model/ConfigurationDifference.h"

#include "model/ConfigurationFields.h"

QString ConfigurationDifference::text() const {
    const QString where = ConfigurationFields::areaName(area);
    switch (kind) {
    case Kind::Added:
        return tr("%1: added %2").arg(where, item);
    case Kind::Removed:
        return tr("%1: removed %2").arg(where, item);
    case Kind::Changed:
        break;
    }
    if (secret)
        return tr("%1: %2 changed").arg(where, item);
    if (area == ConfigurationField::Area::Maneuvers)
        return tr("%1: changed %2 to %3").arg(where, before, after);
    return tr("%1: %2 changed from \"%3\" to \"%4\"").arg(where, item, before, after);
}
