#pragma once

#include "images/PanelRecords.h"
#include "link/DriverSerieHdlc.h"
#include "link/LinkTrace.h"
#include "link/PanelTableSteps.h"
#include "model/PanelConfiguration.h"

#include <QString>

#include <functional>

class CmdConvencional;
struct SerialSettings;

// The transfers between a configuration value and the panel, through the command layer:
// upload (verified on request), download, the connection check and the restore of raw
// records. Each opens the port of the settings it is given and closes it when it ends,
// successful or not; a false leaves the reason in error(). Progress grows from 0 to
// ProgressMaximum, in proportion to the exchanges done.
class PanelTransfers : public PanelTableSteps {
    Q_OBJECT

public:
    static constexpr int ProgressMaximum = 101;

    // `cmd` is not owned and must outlive this object.
    explicit PanelTransfers(CmdConvencional &cmd, QObject *parent = nullptr);

    // Sends nothing when uploadRefusal() objects.
    bool upload(const PanelConfiguration &configuration, const SerialSettings &port);
    // Reads and decodes everything first, then replaces the panel-held part of `target` in
    // one assignment; its zones, boards and zone names stay. A failure leaves it alone.
    bool download(PanelConfiguration &target, const SerialSettings &port);
    // Reads the general record into checkedGeneralConfig(); no configuration changes.
    bool checkConnection(const SerialSettings &port);
    // Writes `records` back as the upload does (begin-upload, the same erases, every
    // record byte for byte, table 6 records 1-6 included), reads every one back to
    // compare, then resets the panel. Refused before anything is sent unless the records
    // are exactly those a download reads (PanelRecords::restoreProblem()).
    bool restore(const PanelRecords &records, const SerialSettings &port);

    // Why upload() would refuse `configuration` before sending anything, or empty.
    static QString uploadRefusal(const PanelConfiguration &configuration);

    void setVerifyAfterUpload(bool on) { verifyAfterUpload = on; }
    bool verifiesAfterUpload() const { return verifyAfterUpload; }

    // Lets the exchange in progress finish, then fails the transfer as interrupted
    // (PanelCore::requestStop() says more).
    void requestStop();
    void clearStopRequest();
    bool stopRequested() const;

    QString error() const { return lastError; }
    // None when the last transfer succeeded or failed for a reason of its own.
    DriverSerieHdlc::Failure failure() const { return lastFailure; }
    // Whether the last upload or restore failed after its first erase or write request
    // had left for the panel.
    bool panelPartlyWritten() const { return partlyWritten; }
    // Every record the last successful download read; empty after a failed one.
    const PanelRecords &lastReadRecords() const { return readRecords; }
    // The general options the last successful checkConnection() read.
    GeneralConfig checkedGeneralConfig() const { return checkedGeneral; }
    // Every frame of the last transfer, passwords hidden.
    const LinkTrace &trace() const { return linkTrace; }

private:
    bool busy();
    bool startTransfer(const QString &name, bool writesPanel = false);
    bool openLink(const SerialSettings &port);
    bool writePanel(const SerialSettings &port, int records, bool verify,
                    const std::function<bool()> &writeAll);
    bool verifyWrittenRecords();
    bool succeed();

    bool verifyAfterUpload = false;
    PanelRecords readRecords;
    GeneralConfig checkedGeneral;
    LinkTrace linkTrace;
};
