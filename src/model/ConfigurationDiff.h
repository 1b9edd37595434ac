#pragma once

#include "model/ConfigurationDifference.h"
#include "model/ConfigurationFields.h"

#include <QCoreApplication>
#include <QList>

class PanelConfiguration;

// The differences between two configurations, by area. Maneuvers are matched by content,
// not by position (the panel gives simple maneuvers back first): what is in both is
// equal; a leftover on each side with the same events, or else the same action, is a
// changed maneuver; the rest are added or removed. An empty list means equal.
class ConfigurationDiff {
    Q_DECLARE_TR_FUNCTIONS(ConfigurationDiff)

public:
    using Scope = ConfigurationFields::Scope;

    static QList<ConfigurationDifference> compare(const PanelConfiguration &before,
                                                  const PanelConfiguration &after,
                                                  Scope scope = Scope::Everything);
};
