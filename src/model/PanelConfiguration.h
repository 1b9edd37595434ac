#pragma once

#include "model/Element.h"
#include "model/GeneralConfig.h"
#include "model/ManiobraConvencional.h"
#include "model/SmtpConfig.h"
#include "model/WebServerConfig.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>

#include <array>

// The whole configuration of one panel as a file holds it, without any link to a panel:
// copied, compared and kept as a snapshot like any value. The element slots and the
// maneuver list are reached through the operations below; the plain records are edited
// in place.
class PanelConfiguration {
    Q_DECLARE_TR_FUNCTIONS(PanelConfiguration)

public:
    static constexpr int ElementSlots = 3;

    PanelConfiguration();

    bool setElement(int index, const Element &element, bool overwrite);
    bool getElement(int index, Element &out) const;
    int countElements() const;

    bool addManeuver(const ManiobraConvencional &maneuver);
    bool getManeuver(int index, ManiobraConvencional &out) const;
    bool setManeuver(int index, const ManiobraConvencional &maneuver);
    bool removeManeuver(int index);
    void countManeuvers(int &simple, int &logic) const;

    void setDefaults();

    // Optional names of zones 1..MaxZoneNumber, kept in the file only: the panel has no
    // place for them. setZoneName refuses a name that zoneNameProblem() objects to; an
    // empty name removes it.
    static constexpr int MaxZoneNameLength = 32;
    static constexpr int MaxZoneNumber = 255;
    static QString zoneNameProblem(int zone, const QString &name);
    bool setZoneName(int zone, const QString &name);
    QString zoneName(int zone) const { return names.value(zone); }
    const QMap<int, QString> &zoneNames() const { return names; }

    // What the panel itself stores; zones, boards and zone names live in the file only.
    struct PanelHeld {
        QList<ManiobraConvencional> maneuvers;
        GeneralConfig generalConfig;
        WebServerConfig webServer;
        SmtpConfig smtp;

        friend bool operator==(const PanelHeld &a, const PanelHeld &b) {
            return a.maneuvers == b.maneuvers && a.generalConfig == b.generalConfig &&
                   a.webServer == b.webServer && a.smtp == b.smtp;
        }
        friend bool operator!=(const PanelHeld &a, const PanelHeld &b) { return !(a == b); }
    };
    PanelHeld panelHeld() const;
    void setPanelHeld(const PanelHeld &held);

    // The zones, boards and zone names of `other`, which the panel cannot give back: a
    // panel's content read this way opens as a configuration of the same installation.
    void takeInstallationFrom(const PanelConfiguration &other);

    friend bool operator==(const PanelConfiguration &a, const PanelConfiguration &b) {
        return a.elements == b.elements && a.maneuvers == b.maneuvers &&
               a.num_zones == b.num_zones && a.names == b.names &&
               a.generalConfig == b.generalConfig && a.webServer == b.webServer && a.smtp == b.smtp;
    }
    friend bool operator!=(const PanelConfiguration &a, const PanelConfiguration &b) {
        return !(a == b);
    }

    std::array<Element, ElementSlots> elements;
    QList<ManiobraConvencional> maneuvers;
    qint32 num_zones = 0;
    GeneralConfig generalConfig;
    WebServerConfig webServer;
    SmtpConfig smtp;

private:
    QMap<int, QString> names;
};
