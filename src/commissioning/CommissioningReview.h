#pragma once

#include "model/ConfigurationDifference.h"

#include <QList>
#include <QStringList>

// What the user is shown before anything is written to the panel.
struct CommissioningReview {
    QStringList warnings;    // of the check: the panel can hold the configuration, but...
    bool panelKnown = false; // false: the panel could not be read, what it holds is unknown
    QList<ConfigurationDifference> changes; // from the panel (before) to the configuration
};
