#include "Mrb500Ctl.h"

#include "ConfigurationCheck.h"
#include "ConfigurationJson.h"
#include "ConfigurationSummary.h"
#include "MyXMLWriter.h"
#include "PanelCore.h"
#include "TerminalProgress.h"
#include "XmlConfigReader.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QSerialPortInfo>

#include <cstdio>

Mrb500Ctl::Mrb500Ctl()
    : out(stdout)
    , err(stderr) {}

int Mrb500Ctl::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Inspects MRB-500 configuration files and transfers them to and from the panel.\n\n"
           "Commands:\n"
           "  show FILE                     human-readable summary\n"
           "  dump FILE                     the whole configuration as one JSON object\n"
           "  validate FILE                 one line per problem; exit status 1 on any error\n"
           "  upload FILE --port P [--verify]\n"
           "                                write FILE to the panel (and read it back)\n"
           "  download FILE --port P [--base BASEFILE]\n"
           "                                read the panel into FILE; zones and boards from "
           "BASEFILE\n"
           "  check --port P                read the panel's general options\n"
           "  ports [--all]                 FT232 adapters (every serial port with --all)\n\n"
           "Exit status: 0 success, 1 the operation failed, 2 usage error or a file that "
           "cannot be read or written."));
    parser.addPositionalArgument(QStringLiteral("command"),
                                 tr("show, dump, validate, upload, download, check or ports"),
                                 QStringLiteral("<command>"));
    parser.addPositionalArgument(QStringLiteral("file"), tr("A configuration file."),
                                 QStringLiteral("[FILE]"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     tr("Print diagnostic lines on standard error."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  tr("The panel's serial port: a name or a path."),
                                  QStringLiteral("P"));
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    tr("After an upload, read every record back and compare."));
    const QCommandLineOption base(QStringLiteral("base"),
                                  tr("Take zones and boards for a download from BASEFILE."),
                                  QStringLiteral("BASEFILE"));
    const QCommandLineOption all(QStringLiteral("all"), tr("List every serial port."));
    parser.addOptions({verbose, port, verify, base, all});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        out << parser.helpText();
        return Success;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        return Success;
    }
    if (!parser.isSet(verbose))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError(tr("no command given; see mrb500ctl --help"));
    const QString command = args.first();
    using Handler = int (Mrb500Ctl::*)(const QString &);
    if (parser.isSet(port) || parser.isSet(verify) || parser.isSet(base) || parser.isSet(all)) {
        for (const char *name : {"show", "dump", "validate"}) {
            if (command == QLatin1String(name))
                return usageError(tr("%1 takes no options but --verbose").arg(command));
        }
    }
    const std::pair<const char *, Handler> fileCommands[] = {
        {"show", &Mrb500Ctl::show},
        {"dump", &Mrb500Ctl::dump},
        {"validate", &Mrb500Ctl::validate},
    };
    for (const auto &[name, handler] : fileCommands) {
        if (command != QLatin1String(name))
            continue;
        if (args.size() != 2)
            return usageError(tr("%1 takes exactly one FILE; see mrb500ctl --help").arg(command));
        return (this->*handler)(args.at(1));
    }

    const bool needsPort = command == QLatin1String("upload") ||
                           command == QLatin1String("download") ||
                           command == QLatin1String("check");
    if (!needsPort && command != QLatin1String("ports"))
        return usageError(tr("unknown command \"%1\"; see mrb500ctl --help").arg(command));
    if (needsPort && parser.value(port).isEmpty())
        return usageError(tr("%1 needs --port; see mrb500ctl --help").arg(command));
    const std::pair<const QCommandLineOption &, const char *> commandOptions[] = {
        {verify, "upload"}, {base, "download"}, {all, "ports"}};
    for (const auto &[option, owner] : commandOptions) {
        if (parser.isSet(option) && command != QLatin1String(owner))
            return usageError(tr("%1 does not take --%2").arg(command, option.names().first()));
    }
    if (command == QLatin1String("ports") && parser.isSet(port))
        return usageError(tr("ports does not take --port"));

    const bool takesFile =
        command == QLatin1String("upload") || command == QLatin1String("download");
    if (args.size() != (takesFile ? 2 : 1))
        return usageError((takesFile ? tr("%1 takes exactly one FILE; see mrb500ctl --help")
                                     : tr("%1 takes no FILE; see mrb500ctl --help"))
                              .arg(command));
    if (command == QLatin1String("upload"))
        return upload(args.at(1), parser.value(port), parser.isSet(verify));
    if (command == QLatin1String("download"))
        return download(args.at(1), parser.value(port), parser.value(base));
    if (command == QLatin1String("check"))
        return check(parser.value(port));
    return ports(parser.isSet(all));
}

SerialSettings Mrb500Ctl::portSettings(const QString &port) {
    SerialSettings settings;
    settings.name = port;
    settings.portSelected = true;
    return settings;
}

bool Mrb500Ctl::transfer(PanelCore &core, void (PanelCore::*progress)(int),
                         bool (PanelCore::*run)()) {
    bool ok = false;
    {
        TerminalProgress bar(err, PanelCore::ProgressMaximum);
        QObject::connect(&core, progress, [&bar](int v) { bar.show(v); });
        ok = (core.*run)();
    }
    if (!ok)
        printError(core.transferError());
    return ok;
}

int Mrb500Ctl::upload(const QString &fileName, const QString &port, bool verify) {
    PanelCore core;
    if (!load(fileName, core))
        return UsageError;
    core.setSerialSettings(portSettings(port));
    core.setVerifyAfterUpload(verify);
    if (!transfer(core, &PanelCore::progressUp, &PanelCore::uploadConfig))
        return Failed;
    out << (verify ? tr("%1 uploaded to %2 and verified") : tr("%1 uploaded to %2"))
               .arg(fileName, port)
        << '\n';
    return Success;
}

int Mrb500Ctl::download(const QString &fileName, const QString &port, const QString &baseFile) {
    PanelCore core;
    if (!baseFile.isEmpty() && !load(baseFile, core))
        return UsageError;
    // Refused before the transfer rather than after it.
    const QFileInfo target(fileName);
    if (target.isDir() || !QFileInfo(target.absolutePath()).isWritable())
        return usageError(tr("cannot write %1").arg(QDir::toNativeSeparators(fileName)));
    core.setSerialSettings(portSettings(port));
    if (!transfer(core, &PanelCore::progress, &PanelCore::downloadConfig))
        return Failed;
    MyXMLWriter writer(&core);
    if (!writer.writeFile(fileName))
        return usageError(writer.errorString());
    out << tr("%1 downloaded from %2").arg(fileName, port) << '\n';
    return Success;
}

int Mrb500Ctl::check(const QString &port) {
    PanelCore core;
    core.setSerialSettings(portSettings(port));
    if (!transfer(core, &PanelCore::progress, &PanelCore::checkConnection))
        return Failed;
    const GeneralConfig g = core.panelGeneralConfig();
    out << tr("Panel on %1 answered; its general options:").arg(port) << '\n'
        << "confirmation_general_mode " << g.confirmation_general_mode << '\n'
        << "short_general_mode " << g.short_general_mode << '\n'
        << "delay_confirmation " << g.delay_confirmation << '\n'
        << "cancel_delay " << g.cancel_delay << '\n'
        << "cancel_MCP_delay " << g.cancel_MCP_delay << '\n';
    return Success;
}

int Mrb500Ctl::ports(bool all) {
    constexpr quint16 FtdiVendor = 0x0403;
    constexpr quint16 Ft232Product = 0x6001;
    const QString na = tr("N/A");
    int listed = 0;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const bool ft232 = info.hasVendorIdentifier() && info.hasProductIdentifier() &&
                           info.vendorIdentifier() == FtdiVendor &&
                           info.productIdentifier() == Ft232Product;
        if (!ft232 && !all)
            continue;
        const QString ids = info.hasVendorIdentifier()
                                ? QStringLiteral("%1:%2")
                                      .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                                      .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
                                : na;
        out << info.systemLocation() << '\t'
            << (info.description().isEmpty() ? na : info.description()) << '\t'
            << (info.manufacturer().isEmpty() ? na : info.manufacturer()) << '\t' << ids << '\n';
        ++listed;
    }
    if (listed == 0)
        out << (all ? tr("no serial port found")
                    : tr("no FT232 adapter found; mrb500ctl ports --all lists every serial port"))
            << '\n';
    return Success;
}

int Mrb500Ctl::show(const QString &fileName) {
    PanelCore core;
    if (!load(fileName, core))
        return UsageError;
    out << ConfigurationSummary::text(core);
    return Success;
}

int Mrb500Ctl::dump(const QString &fileName) {
    PanelCore core;
    if (!load(fileName, core))
        return UsageError;
    out << QJsonDocument(ConfigurationJson::toJson(core)).toJson(QJsonDocument::Indented);
    return Success;
}

int Mrb500Ctl::validate(const QString &fileName) {
    PanelCore core;
    if (!load(fileName, core))
        return UsageError;
    const QList<ConfigurationProblem> problems = ConfigurationCheck::check(core);
    for (const ConfigurationProblem &p : problems)
        out << (p.isError() ? tr("error: ") : tr("warning: ")) << p.message << '\n';
    if (problems.isEmpty())
        out << tr("%1: no problems found").arg(fileName) << '\n';
    return ConfigurationCheck::hasErrors(problems) ? Failed : Success;
}

bool Mrb500Ctl::load(const QString &fileName, PanelCore &core) {
    QString reason;
    if (XmlConfigReader::readFile(fileName, &core, &reason))
        return true;
    printError(reason);
    return false;
}

int Mrb500Ctl::usageError(const QString &reason) {
    printError(reason);
    return UsageError;
}

void Mrb500Ctl::printError(const QString &reason) {
    // One line, whatever the reason carries.
    err << "mrb500ctl: " << reason.simplified() << '\n';
    err.flush();
}
