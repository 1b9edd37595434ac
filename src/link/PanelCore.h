#pragma once

#include "images/PanelRecords.h"
#include "link/DriverSerieHdlc.h"
#include "link/LinkTrace.h"
#include "link/PanelTransfers.h"
#include "link/SerialSettings.h"
#include "model/PanelConfiguration.h"

#include <QObject>

class CmdConvencional;

// The configuration being edited together with the link to the panel that it is
// uploaded to and downloaded from. The transfers are PanelTransfers' on this
// configuration through `cmd`; the functions below forward to it.
class PanelCore : public QObject, public PanelConfiguration {
    Q_OBJECT

public:
    explicit PanelCore(QObject *parent = nullptr);
    ~PanelCore() override;

    // Takes another configuration; the serial settings and the link stay.
    using PanelConfiguration::operator=;

    void setSerialSettings(const SerialSettings &settings);

    // Transfers with the panel on the port of serialSettings. Each opens the port and
    // closes it when it ends; a false leaves the reason in transferError(). Upload sends
    // nothing when the configuration check finds errors; download changes the model only
    // when everything was read. Progress grows from 0 to ProgressMaximum.
    static constexpr int ProgressMaximum = PanelTransfers::ProgressMaximum;
    bool uploadConfig();
    bool downloadConfig();
    // A download through this model's link into `target`, which keeps its zones, boards
    // and zone names; this model is left alone. Atomic like downloadConfig().
    bool downloadConfigInto(PanelConfiguration &target);
    // Why uploadConfig() would refuse this configuration before sending anything, or an
    // empty string.
    QString uploadRefusal() const;
    bool checkConnection();
    // Every record the last successful download through this model's link read (into
    // whichever target), byte for byte: the raw form of a backup. Empty after a failed
    // download.
    const PanelRecords &lastReadRecords() const { return transfers.lastReadRecords(); }
    // Writes `records` back as the upload does (begin-upload, the same erases, every
    // record byte for byte, table 6 records 1-6 included), reads every one back to
    // compare, then resets the panel. Refused before anything is sent unless the records
    // are exactly those a download reads (PanelRecords::restoreProblem()). Progress on
    // progressUp; failures as the upload's.
    bool restoreRecords(const PanelRecords &records);
    // Whether the last upload or restore ended with the panel only partly written: it
    // failed or was interrupted after its first erase or write request had left for the
    // panel (one whose answer was lost may still have been carried out). False when it
    // succeeded or failed before that (a refused configuration, a port that did not open,
    // a begin-upload that could not be sent).
    bool panelPartlyWritten() const { return transfers.panelPartlyWritten(); }
    // For Ctrl-C and the like; safe to call from a handler run while the transfer waits
    // for the panel (its waits run a local event loop, so a QSocketNotifier fires there).
    // The transfer finishes the exchange in progress, which may take up to the answer
    // deadline, then closes the port and fails with transferFailure() Interrupted and a
    // reason naming the last exchange done. A request during the last exchange lets the
    // transfer succeed: nothing was left to stop. A transfer started while the request
    // holds fails at once without sending anything. The request holds until
    // clearStopRequest().
    void requestStop();
    void clearStopRequest();
    bool stopRequested() const;
    void setVerifyAfterUpload(bool on) { transfers.setVerifyAfterUpload(on); }
    bool verifiesAfterUpload() const { return transfers.verifiesAfterUpload(); }
    QString transferError() const { return transfers.error(); }
    // What kind of link failure ended the last transfer; None when it succeeded or
    // failed for a reason of its own (a refused configuration, a short image).
    DriverSerieHdlc::Failure transferFailure() const { return transfers.failure(); }
    // The general options the last successful checkConnection() read from the panel.
    GeneralConfig panelGeneralConfig() const { return transfers.checkedGeneralConfig(); }
    // Every frame of the last transfer, passwords hidden.
    const LinkTrace &linkTrace() const { return transfers.trace(); }

    // Steps of the transfers, on a port already open.
    bool writeManeuverList();
    bool writeSimpleManeuverTable(const QByteArray &image);
    bool writeLogicManeuverTables(const QByteArray &image);
    bool readSimpleManeuverTable(QByteArray &image);
    bool readLogicManeuverTables(QByteArray &image);
    QByteArray buildGeneralConfigImage() const;
    bool writeGeneralConfig();
    bool readGeneralTableTail(QByteArray &records); // records 1-6, kept only for a backup
    QByteArray buildWebServerImage() const;
    bool writeWebServerConfig();

    bool portConfigured = false;
    CmdConvencional *cmd; // owned
    SerialSettings serialSettings;

Q_SIGNALS:
    void progress(int value);   // download
    void progressUp(int value); // upload
    // One readable line per request sent to the panel and per resend, for a user who
    // follows the transfer: "write table 1 record 7: logic maneuvers", "no answer, sending
    // again (1 of 1)".
    void transferStep(const QString &text);

private:
    PanelTransfers transfers; // on *cmd, so declared after it
};
