#pragma once

#include "model/ConfigurationField.h"

#include <QCoreApplication>
#include <QString>

// One difference between two configurations, "before" and "after".
struct ConfigurationDifference {
    Q_DECLARE_TR_FUNCTIONS(ConfigurationDifference)

public:
    enum class Kind { Changed, Added, Removed };

    ConfigurationField::Area area = ConfigurationField::Area::General;
    Kind kind = Kind::Changed;
    QString item;   // the setting's name; for a maneuver, its description
    QString before; // as shown; empty for a secret, added or removed item
    QString after;
    bool secret = false;

    // One line in the current language, e.g. "General options: Confirmation delay changed
    // from 20 s to 30 s". Never holds a password.
    QString text() const;
};
