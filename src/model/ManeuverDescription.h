#pragma once

#include <QString>

class ManiobraConvencional;

// One-line texts for the maneuver table, in the current language (Spanish source).
QString eventDescription(const ManiobraConvencional &maneuver);
QString actionDescription(const ManiobraConvencional &maneuver);
