#pragma once

#include <QString>

// One setting as people read it: the area it belongs to, its name and its value as shown.
// A secret (a password) is shown as set or not set; `compared` still tells two values
// apart and is never shown.
struct ConfigurationField {
    enum class Area { General, WebServer, Email, Zones, Boards, ZoneNames, Maneuvers };

    Area area = Area::General;
    QString key; // stable, to match a field across two configurations
    QString label;
    QString shown;
    QString compared;
    bool secret = false;
};
