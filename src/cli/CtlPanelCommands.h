#pragma once

#include "link/DriverSerieHdlc.h"

#include <QCoreApplication>
#include <QStringList>

struct CommissioningOutcome;
class CtlConsole;
class PanelConfiguration;
class QCommandLineParser;

// The commands of mrb500ctl that reach the panel, and the listing of ports: rows of
// CtlCommand::all(). Uploads, comparisons and restores go through the commissioning
// workflow, as in the window.
class CtlPanelCommands {
    Q_DECLARE_TR_FUNCTIONS(CtlPanelCommands)

public:
    static int upload(CtlConsole &console, const QStringList &files,
                      const QCommandLineParser &options);
    static int download(CtlConsole &console, const QStringList &files,
                        const QCommandLineParser &options);
    static int check(CtlConsole &console, const QStringList &files,
                     const QCommandLineParser &options);
    static int restore(CtlConsole &console, const QStringList &files,
                       const QCommandLineParser &options);
    static int ports(CtlConsole &console, const QStringList &files,
                     const QCommandLineParser &options);
    // What the panel on `port` holds, with the installation of `file`, into `panel`;
    // returns the exit status.
    static int readPanel(CtlConsole &console, const PanelConfiguration &file, const QString &port,
                         PanelConfiguration &panel);

private:
    // A transfer that only read the panel failed: `reason`, and with Ctrl-C that nothing
    // was changed. Returns the exit status.
    static int readFailed(CtlConsole &console, DriverSerieHdlc::Failure failure,
                          const QString &reason);
    // An upload or restore failed: its reason, then whether the panel is partly written
    // and how to put its backup (if one was taken) back through `port`.
    static int writeFailed(CtlConsole &console, const CommissioningOutcome &outcome,
                           const QString &port);
};
