#pragma once

#include <QIcon>
#include <QList>
#include <QStringList>

class PanelConfiguration;
class QStyle;

// The marks the maneuver table and the matrix give the maneuvers' problems, from one run of
// the configuration check, so that both views always agree.
class ManeuverProblemMarks {
public:
    explicit ManeuverProblemMarks(const PanelConfiguration &configuration);

    // The error mark when one of `maneuvers` has an error, else the warning mark when one
    // has a warning, else none.
    QIcon mark(const QList<int> &maneuvers, const QStyle *style) const;
    // What the check found about that maneuver, in its order.
    QStringList reasons(int maneuver) const { return messages.value(maneuver); }

private:
    QList<QStringList> messages; // by maneuver index
    QList<bool> errors;
};
