#pragma once

#include <QCoreApplication>
#include <QString>

class PanelConfiguration;

// A short checksum over the panel images an upload would write (maneuver tables, general
// record, web server and e-mail image), so a file and what was downloaded from the panel
// it went to give the same value. Zones, boards and zone names are not in the images.
// Passwords count only as set or not set: a printed fingerprint must not let anyone test
// guesses of a password.
class ConfigurationFingerprint {
    Q_DECLARE_TR_FUNCTIONS(ConfigurationFingerprint)

public:
    // "1a2b-3c4d-5e6f-7081"; empty, with the reason, when the maneuvers do not fit the
    // panel's tables.
    static QString of(const PanelConfiguration &core, QString *error = nullptr);
};
