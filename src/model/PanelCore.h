#pragma once

#include "Element.h"
#include "GeneralConfig.h"
#include "ManiobraConvencional.h"
#include "SerialSettings.h"
#include "SmtpConfig.h"
#include "WebServerConfig.h"

#include <QList>
#include <QObject>

#include <array>

// The whole configuration of one panel. The element slots and the maneuver list are
// reached through the operations below; the plain records are edited in place.
class PanelCore : public QObject {
    Q_OBJECT

public:
    static constexpr int ElementSlots = 3;

    explicit PanelCore(QObject *parent = nullptr);

    bool setElement(int index, const Element &element, bool overwrite);
    bool getElement(int index, Element &out) const;
    int countElements() const;

    bool addManeuver(const ManiobraConvencional &maneuver);
    bool getManeuver(int index, ManiobraConvencional &out) const;
    bool setManeuver(int index, const ManiobraConvencional &maneuver);
    bool removeManeuver(int index);
    void countManeuvers(int &simple, int &logic) const;

    void setSerialSettings(const SerialSettings &settings);
    void setDefaults();

    // Everything a file or the panel holds; the serial settings are left alone.
    void copyConfigurationFrom(const PanelCore &other);
    bool sameConfiguration(const PanelCore &other) const;

    std::array<Element, ElementSlots> elements;
    QList<ManiobraConvencional> maneuvers;
    qint32 num_zones = 0;
    bool portConfigured = false;
    GeneralConfig generalConfig;
    WebServerConfig webServer;
    SmtpConfig smtp;
    SerialSettings serialSettings;

Q_SIGNALS:
    void progress(int value);   // download
    void progressUp(int value); // upload
};
