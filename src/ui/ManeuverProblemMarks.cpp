#include "ui/ManeuverProblemMarks.h"

#include "images/ConfigurationCheck.h"
#include "model/PanelConfiguration.h"

#include <QStyle>

ManeuverProblemMarks::ManeuverProblemMarks(const PanelConfiguration &configuration)
    : messages(configuration.maneuvers.size())
    , errors(configuration.maneuvers.size(), false) {
    for (const ConfigurationProblem &problem : ConfigurationCheck::check(configuration)) {
        if (problem.maneuver < 0 || problem.maneuver >= messages.size())
            continue;
        messages[problem.maneuver] << problem.message;
        errors[problem.maneuver] = errors[problem.maneuver] || problem.isError();
    }
}

QIcon ManeuverProblemMarks::mark(const QList<int> &maneuvers, const QStyle *style) const {
    bool warning = false;
    for (int k : maneuvers) {
        if (errors.value(k))
            return style->standardIcon(QStyle::SP_MessageBoxCritical);
        warning = warning || !messages.value(k).isEmpty();
    }
    return warning ? style->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon();
}
