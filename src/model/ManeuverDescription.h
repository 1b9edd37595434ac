#pragma once

#include <QString>

struct Event;
class ManiobraConvencional;

// One-line texts for the maneuver table, in the current language (Spanish source).
QString eventDescription(const ManiobraConvencional &maneuver);
QString actionDescription(const ManiobraConvencional &maneuver);

// Whether the panel defines the event, or the maneuver's action: the codes the texts above
// are written for, with the block type, or the block addressed, that goes with them.
bool isDefinedEvent(const Event &event);
bool isDefinedAction(const ManiobraConvencional &maneuver);
