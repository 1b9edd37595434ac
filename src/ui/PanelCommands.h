#pragma once

#include "commissioning/CommissioningQuestions.h"
#include "link/LinkTrace.h"
#include "ui/SerialPortDescription.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <memory>

class LinkLogWindow;
class PanelCore;
class SerialPortList;
class TransferProgressDialog;
class QWidget;

// The window's commands with the panel: upload, download and compare, the serial port they
// use and the log of their frames. The upload and the comparison go through the
// commissioning workflow, whose questions are answered here with dialogs on `window`.
class PanelCommands : public CommissioningQuestions {
    Q_DECLARE_TR_FUNCTIONS(PanelCommands)

public:
    explicit PanelCommands(QWidget *window);
    ~PanelCommands() override;

    // The configuration being edited (not owned); it changes with Open.
    void setPanelCore(PanelCore *core);

    void upload(bool verify);
    // False when nothing was read; the failure is shown.
    bool download();
    void compare();

    void configureSerialPort();
    // A port named on the command line: every configuration in this session uses it,
    // until the user chooses another in the settings dialog.
    void setCommandLinePort(const QString &portName);
    // At start, the port chosen in an earlier run: used when it is present; when absent it
    // is only offered in the settings dialog, never replaced by another port.
    void restoreChosenPort(const QString &portName);
    // The port the user chose last, in this run or an earlier one; not the command line's.
    QString chosenPort() const { return userPort; }
    // Where the serial settings dialog finds the ports (not owned); the system's when null.
    void setSerialPortList(const SerialPortList *list) { portList = list; }

    void viewLinkLog();
    void retranslate();

    bool goOnWithoutBackup(const QString &reason) override;
    bool confirmWrite(const CommissioningReview &review) override;
    bool checked(const QStringList &warnings) override;
    void transferStarted(Transfer transfer) override;
    void progress(int value) override;
    void transferEnded(const QList<LinkTrace> &traces) override;

private:
    void applySessionPort();
    QList<SerialPortDescription> availablePorts() const;
    // Opens the settings dialog while no port is chosen; false, with `title` and `text`,
    // when there is still none.
    bool portChosen(const QString &title, const QString &text);
    // A panel command failed: the standard `text`, the reason under it (first letter
    // capitalised) and what the failure left (`outcome`) below that.
    void reportFailure(const QString &title, const QString &text, QString reason,
                       const QString &outcome = {});
    void showLinkLog(const QList<LinkTrace> &traces);

    QWidget *window;
    PanelCore *core = nullptr;
    // Given with --port, chosen in the settings dialog or remembered and present: every
    // configuration of this session uses it, across Open.
    QString sessionPort;
    QString userPort;
    const SerialPortList *portList = nullptr;
    std::unique_ptr<TransferProgressDialog> progressDialog;
    QList<LinkTrace> lastTraces; // of the last panel command
    LinkLogWindow *linkLog = nullptr;
};
