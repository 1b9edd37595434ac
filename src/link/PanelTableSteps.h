#pragma once

#include "images/PanelRecords.h"
#include "link/DriverSerieHdlc.h"
#include "link/TransferProgress.h"
#include "model/GeneralConfig.h"
#include "model/ManiobraConvencional.h"
#include "model/SmtpConfig.h"
#include "model/WebServerConfig.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class CmdConvencional;

// The steps of the transfers, on a port the calling transfer opened: the panel's memory
// images written and read table by table, record by record, through the command layer.
// Each command that succeeds is one step of progress; a failure leaves its reason and
// kind for the transfer to report.
class PanelTableSteps : public QObject {
    Q_OBJECT

public:
    // `cmd` is not owned and must outlive this object.
    explicit PanelTableSteps(CmdConvencional &cmd, QObject *parent = nullptr);

    bool writeManeuverList(const QList<ManiobraConvencional> &maneuvers);
    bool writeSimpleManeuverTable(const QByteArray &image);
    bool writeLogicManeuverTables(const QByteArray &image);
    bool readSimpleManeuverTable(QByteArray &image);
    bool readLogicManeuverTables(QByteArray &image);
    static QByteArray buildGeneralConfigImage(const GeneralConfig &general);
    bool writeGeneralConfig(const GeneralConfig &general);
    bool readGeneralRecord(QByteArray &record);
    bool readGeneralTableTail(QByteArray &records); // records 1-6, kept only for a backup
    static QByteArray buildWebServerImage(const WebServerConfig &web, const SmtpConfig &smtp);
    bool writeWebServerConfig(const WebServerConfig &web, const SmtpConfig &smtp);
    bool readWebServerImage(QByteArray &image);
    // Whole tables as a restore writes them back.
    bool writeGeneralTable(const QByteArray &records);
    bool writeWebServerImage(const QByteArray &image);

Q_SIGNALS:
    void progress(int value);   // reading
    void progressUp(int value); // writing
    // One readable line per request sent and per resend.
    void transferStep(const QString &text);

protected:
    struct WrittenRecord {
        int table;
        int record;
        QByteArray data;
    };

    bool fail(const QString &reason,
              DriverSerieHdlc::Failure kind = DriverSerieHdlc::Failure::None);
    bool failStep();
    bool readRecord(int table, int record, QByteArray &data);

    CmdConvencional &cmd;
    TransferProgress transferProgress;
    // Every record written while `recordWrites` holds, for a verify.
    QList<WrittenRecord> writtenRecords;
    bool recordWrites = false;
    // Set once an erase or write request left for the panel, whatever its answer.
    bool partlyWritten = false;
    QString lastError;
    DriverSerieHdlc::Failure lastFailure = DriverSerieHdlc::Failure::None;

private:
    using RecordAt = std::function<PanelRecords::Address(int k)>;

    bool eraseTable(int table);
    bool writeRecord(int table, int record, const QByteArray &data);
    bool writeRecords(int count, const RecordAt &at, const QByteArray &image);
    bool readRecords(int count, const RecordAt &at, QByteArray &image);
};
