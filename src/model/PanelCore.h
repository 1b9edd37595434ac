#pragma once

#include "DriverSerieHdlc.h"
#include "Element.h"
#include "GeneralConfig.h"
#include "LinkTrace.h"
#include "ManiobraConvencional.h"
#include "SerialSettings.h"
#include "SmtpConfig.h"
#include "TransferProgress.h"
#include "WebServerConfig.h"

#include <QList>
#include <QMap>
#include <QObject>

#include <array>

class CmdConvencional;

// The whole configuration of one panel. The element slots and the maneuver list are
// reached through the operations below; the plain records are edited in place.
class PanelCore : public QObject {
    Q_OBJECT

public:
    static constexpr int ElementSlots = 3;

    explicit PanelCore(QObject *parent = nullptr);
    ~PanelCore() override;

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

    // Optional names of zones 1..MaxZoneNumber, kept in the file only: the panel has no
    // place for them. setZoneName refuses a name that zoneNameProblem() objects to; an
    // empty name removes it.
    static constexpr int MaxZoneNameLength = 32;
    static constexpr int MaxZoneNumber = 255;
    static QString zoneNameProblem(int zone, const QString &name);
    bool setZoneName(int zone, const QString &name);
    QString zoneName(int zone) const { return names.value(zone); }
    const QMap<int, QString> &zoneNames() const { return names; }

    // Everything a file or the panel holds; the serial settings are left alone.
    void copyConfigurationFrom(const PanelCore &other);
    bool sameConfiguration(const PanelCore &other) const;

    // Transfers with the panel on the port of serialSettings. Each opens the port and
    // closes it when it ends; a false leaves the reason in transferError(). Upload sends
    // nothing when the configuration check finds errors; download changes the model only
    // when everything was read. Progress grows from 0 to ProgressMaximum.
    static constexpr int ProgressMaximum = 101;
    bool uploadConfig();
    bool downloadConfig();
    // A download through this model's link into `target`, which keeps its zones, boards
    // and zone names; this model is left alone. Atomic like downloadConfig().
    bool downloadConfigInto(PanelCore &target);
    // Why uploadConfig() would refuse this configuration before sending anything, or an
    // empty string.
    QString uploadRefusal() const;
    bool checkConnection();
    void setVerifyAfterUpload(bool on) { verifyAfterUpload = on; }
    bool verifiesAfterUpload() const { return verifyAfterUpload; }
    QString transferError() const { return lastTransferError; }
    // What kind of link failure ended the last transfer; None when it succeeded or
    // failed for a reason of its own (a refused configuration, a short image).
    DriverSerieHdlc::Failure transferFailure() const { return lastTransferFailure; }
    // The general options the last successful checkConnection() read from the panel.
    GeneralConfig panelGeneralConfig() const { return checkedGeneral; }
    // Every frame of the last transfer, passwords hidden.
    const LinkTrace &linkTrace() const { return trace; }

    // Steps of the transfers, on a port already open.
    bool writeManeuverList();
    bool writeSimpleManeuverTable(const QByteArray &image);
    bool writeLogicManeuverTables(const QByteArray &image);
    bool readSimpleManeuverTable(QByteArray &image);
    bool readLogicManeuverTables(QByteArray &image);
    QByteArray buildGeneralConfigImage() const;
    bool writeGeneralConfig();
    bool readGeneralTableTail();
    QByteArray buildWebServerImage() const;
    bool writeWebServerConfig();

    std::array<Element, ElementSlots> elements;
    QList<ManiobraConvencional> maneuvers;
    qint32 num_zones = 0;
    bool portConfigured = false;
    GeneralConfig generalConfig;
    WebServerConfig webServer;
    SmtpConfig smtp;
    CmdConvencional *cmd; // owned
    SerialSettings serialSettings;

Q_SIGNALS:
    void progress(int value);   // download
    void progressUp(int value); // upload

private:
    struct WrittenRecord {
        int table;
        int record;
        QByteArray data;
    };

    bool busy();
    bool startTransfer(const QString &name);
    bool openLink();
    bool failTransfer(const QString &reason,
                      DriverSerieHdlc::Failure kind = DriverSerieHdlc::Failure::None);
    bool failStep();
    bool eraseTable(int table);
    bool writeRecord(int table, int record, const QByteArray &data);
    bool readRecord(int table, int record, QByteArray &data);
    bool writeTableRecords(int table, int count, const QByteArray &image);
    bool readTableRecords(int table, int count, QByteArray &image);
    bool readGeneralRecord(QByteArray &record);
    bool readWebServerImage(QByteArray &image);
    bool verifyWrittenRecords();

    TransferProgress transferProgress;
    QList<WrittenRecord> writtenRecords;
    bool recordWrites = false;
    bool verifyAfterUpload = false;
    QString lastTransferError;
    DriverSerieHdlc::Failure lastTransferFailure = DriverSerieHdlc::Failure::None;
    GeneralConfig checkedGeneral;
    LinkTrace trace;
    QMap<int, QString> names;
};
