#pragma once

#include "model/GeneralConfig.h"
#include "model/ManiobraConvencional.h"
#include "model/SmtpConfig.h"
#include "model/WebServerConfig.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// What the panel would read back of the part of a configuration it holds, encoded and
// decoded through the real image codecs, against what was meant. Maneuvers are compared
// as the panel keeps them: simple ones first, then logic ones, each in list order.
// Pure: values and bytes only.
class ImageRoundTrip {
    Q_DECLARE_TR_FUNCTIONS(ImageRoundTrip)

public:
    struct Loss {
        int maneuver = -1;           // index in the maneuver list; -1 for a setting
        std::optional<QString> text; // a text setting, as it stands
        QString message;             // what, and what the panel would read instead
    };

    // Maneuvers without an event or with more than twelve have no record form at all and
    // are left out.
    static QList<Loss> losses(const QList<ManiobraConvencional> &maneuvers,
                              const GeneralConfig &general, const WebServerConfig &web,
                              const SmtpConfig &smtp);
};
