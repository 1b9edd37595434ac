#pragma once

#include <QString>

// One finding of the configuration check. An error means the panel cannot hold the
// configuration; a warning means it can, but it is probably a mistake.
struct ConfigurationProblem {
    enum class Severity { Warning, Error };

    Severity severity = Severity::Error;
    QString message;   // translated; names what and where
    int maneuver = -1; // index in the maneuver list, or -1 when not about one maneuver

    bool isError() const { return severity == Severity::Error; }
};
