#include "cli/CtlCommandLine.h"

#include "cli/CtlCommand.h"
#include "model/LanguageCatalog.h"

CtlCommandLine::CtlCommandLine()
    : verbose(QStringLiteral("verbose"),
              tr("Print each step of a transfer with the panel on standard error."))
    , language(QStringLiteral("language"),
               tr("The language of every text (%1); by default the system's, or English "
                  "where it has no translation. dump is always in English.")
                   .arg(LanguageCatalog::codes().join(QStringLiteral(", "))),
               QStringLiteral("CODE"))
    , help(QStringLiteral("help"))
    , version(QStringLiteral("version")) {
    const QCommandLineOption port(QStringLiteral("port"),
                                  tr("The panel's serial port: a name or a path."),
                                  QStringLiteral("P"));
    commandOptions = {
        QCommandLineOption(QStringLiteral("verify"),
                           tr("Accepted for older scripts: an upload is always verified unless "
                              "--no-verify is given.")),
        QCommandLineOption(QStringLiteral("no-verify"),
                           tr("After an upload, do not read the records back to compare them.")),
        QCommandLineOption(QStringLiteral("base"),
                           tr("Take zones and boards for a download from BASEFILE."),
                           QStringLiteral("BASEFILE")),
        QCommandLineOption(QStringLiteral("all"), tr("List every serial port.")),
        QCommandLineOption(QStringLiteral("no-backup"),
                           tr("Upload without saving the panel's content first.")),
        QCommandLineOption(QStringLiteral("show-changes"),
                           tr("Before an upload, list what it changes in the panel.")),
        QCommandLineOption(QStringLiteral("trace"),
                           tr("Write every frame exchanged with the panel to FILE."),
                           QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("pdf"), tr("Write the report to OUT as PDF."),
                           QStringLiteral("OUT")),
        QCommandLineOption(QStringLiteral("csv"),
                           tr("Write the cause-and-effect matrix to OUT as CSV."),
                           QStringLiteral("OUT")),
        // Last: a command that takes no panel is told of its other options first.
        port,
    };
    parser.setApplicationDescription(
        tr("Inspects MRB-500 configuration files and transfers them to and from the panel.") +
        QStringLiteral("\n\n") + CtlCommand::list() + QLatin1Char('\n') +
        tr("Exit status: 0 success, 1 the operation failed, 2 usage error or a file that "
           "cannot be read or written, 130 stopped by Ctrl-C or SIGTERM."));
    parser.addPositionalArgument(QStringLiteral("command"), CtlCommand::names(),
                                 QStringLiteral("<command>"));
    parser.addPositionalArgument(QStringLiteral("file"), tr("A configuration file."),
                                 QStringLiteral("[FILE]"));
    // The help lists them in this order.
    parser.addOptions({verbose, port});
    parser.addOptions(commandOptions.mid(0, commandOptions.size() - 1));
    parser.addOption(language);
    help = parser.addHelpOption();
    version = parser.addVersionOption();
}

QStringList CtlCommandLine::commandOptionsGiven() const {
    QStringList given;
    for (const QCommandLineOption &option : commandOptions) {
        if (parser.isSet(option))
            given << option.names().first();
    }
    return given;
}
