#pragma once

#include "images/ManeuverTableImage.h"

#include "model/ConfigurationProblem.h"
#include "model/FieldDescriptor.h"

#include <QCoreApplication>
#include <QList>

class PanelConfiguration;

// What the panel can hold, and what is probably a mistake. Whatever the panel would read
// back differently from the configuration is an error.
class ConfigurationCheck {
    Q_DECLARE_TR_FUNCTIONS(ConfigurationCheck)

public:
    static constexpr int MaxSimpleManeuvers = ManeuverTableImage::MaxSimple;
    static constexpr int MaxLogicManeuvers = ManeuverTableImage::MaxLogic;
    static constexpr int MaxEventsPerManeuver = ManiobraConvencional::MaxEvents;
    static constexpr int MaxTextLength = FieldDescriptor::TextSize;

    static QList<ConfigurationProblem> check(const PanelConfiguration &core);
    static bool hasErrors(const QList<ConfigurationProblem> &problems);

    // Why a web or e-mail text cannot go to the panel, or an empty string if it can.
    // `field` names it in the message.
    static QString textProblem(const QString &field, const QString &text);

    static bool isUsualZoneCount(int zones);
};
