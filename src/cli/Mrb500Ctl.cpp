#include "cli/Mrb500Ctl.h"

#include "cli/ConfigurationSummary.h"
#include "cli/StopOnSignal.h"
#include "cli/TerminalProgress.h"
#include "commissioning/BackupStore.h"
#include "images/ConfigurationCheck.h"
#include "link/PanelCore.h"
#include "model/ConfigurationDiff.h"
#include "model/ConfigurationJson.h"
#include "model/FileWriting.h"
#include "model/LanguageCatalog.h"
#include "model/MyXMLWriter.h"
#include "model/XmlConfigReader.h"
#include "report/CauseEffectReport.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>

#include <QSerialPortInfo>

#include <algorithm>
#include <cstdio>

Mrb500Ctl::Mrb500Ctl()
    : out(stdout)
    , err(stderr) {}

namespace {

// Every option of every command. Made once to learn the language, and again once it is
// installed, so that the help and Qt's own parse errors are in that language too.
struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption verbose{
        QStringLiteral("verbose"),
        Mrb500Ctl::tr("Print each step of a transfer with the panel on standard error.")};
    QCommandLineOption port{QStringLiteral("port"),
                            Mrb500Ctl::tr("The panel's serial port: a name or a path."),
                            QStringLiteral("P")};
    QCommandLineOption verify{
        QStringLiteral("verify"),
        Mrb500Ctl::tr("Accepted for older scripts: an upload is always verified unless "
                      "--no-verify is given.")};
    QCommandLineOption noVerify{
        QStringLiteral("no-verify"),
        Mrb500Ctl::tr("After an upload, do not read the records back to compare them.")};
    QCommandLineOption base{QStringLiteral("base"),
                            Mrb500Ctl::tr("Take zones and boards for a download from BASEFILE."),
                            QStringLiteral("BASEFILE")};
    QCommandLineOption all{QStringLiteral("all"), Mrb500Ctl::tr("List every serial port.")};
    QCommandLineOption noBackup{QStringLiteral("no-backup"),
                                Mrb500Ctl::tr("Upload without saving the panel's content first.")};
    QCommandLineOption showChanges{
        QStringLiteral("show-changes"),
        Mrb500Ctl::tr("Before an upload, list what it changes in the panel.")};
    QCommandLineOption trace{QStringLiteral("trace"),
                             Mrb500Ctl::tr("Write every frame exchanged with the panel to FILE."),
                             QStringLiteral("FILE")};
    QCommandLineOption pdf{QStringLiteral("pdf"), Mrb500Ctl::tr("Write the report to OUT as PDF."),
                           QStringLiteral("OUT")};
    QCommandLineOption csv{QStringLiteral("csv"),
                           Mrb500Ctl::tr("Write the cause-and-effect matrix to OUT as CSV."),
                           QStringLiteral("OUT")};
    QCommandLineOption language{
        QStringLiteral("language"),
        Mrb500Ctl::tr("The language of every text (%1); by default the system's, or English "
                      "where it has no translation. dump is always in English.")
            .arg(LanguageCatalog::codes().join(QStringLiteral(", "))),
        QStringLiteral("CODE")};
    QCommandLineOption help{QStringLiteral("help")};       // Qt's own, set below
    QCommandLineOption version{QStringLiteral("version")}; // Qt's own, set below

    CommandLine() {
        parser.setApplicationDescription(Mrb500Ctl::tr(
            "Inspects MRB-500 configuration files and transfers them to and from the panel.\n\n"
            "Commands:\n"
            "  show FILE                     human-readable summary\n"
            "  dump FILE                     the whole configuration as one JSON object\n"
            "  validate FILE                 one line per problem; exit status 1 on any error\n"
            "  upload FILE --port P [--no-verify] [--no-backup] [--show-changes]\n"
            "                                back up the panel, write FILE to it and read it\n"
            "                                back (not with --no-verify)\n"
            "  download FILE --port P [--base BASEFILE]\n"
            "                                read the panel into FILE; zones and boards from "
            "BASEFILE\n"
            "  check --port P                read the panel's general options\n"
            "  restore BACKUP --port P       write a backup (its .records file, or the .xml\n"
            "                                beside it) back to the panel, byte for byte, and\n"
            "                                read it back\n"
            "  diff A B | diff FILE --port P list the differences; exit status 1 when any\n"
            "  report FILE --pdf OUT [--csv OUT]\n"
            "                                cause-and-effect report (PDF) and matrix (CSV)\n"
            "  ports [--all]                 FT232 adapters (every serial port with --all)\n\n"
            "Exit status: 0 success, 1 the operation failed, 2 usage error or a file that "
            "cannot be read or written, 130 stopped by Ctrl-C or SIGTERM."));
        parser.addPositionalArgument(
            QStringLiteral("command"),
            Mrb500Ctl::tr(
                "show, dump, validate, upload, download, check, restore, diff, report or ports"),
            QStringLiteral("<command>"));
        parser.addPositionalArgument(QStringLiteral("file"), Mrb500Ctl::tr("A configuration file."),
                                     QStringLiteral("[FILE]"));
        parser.addOptions({verbose, port, verify, noVerify, base, all, noBackup, showChanges, trace,
                           pdf, csv, language});
        help = parser.addHelpOption();
        version = parser.addVersionOption();
    }
};

} // namespace

int Mrb500Ctl::run(const QStringList &arguments) {
    const int status = execute(arguments);
    // A full disk or a closed pipe shows only when the last output is flushed.
    out.flush();
    if (out.status() == QTextStream::Ok)
        return status;
    printError(tr("cannot write to standard output: %1").arg(out.device()->errorString()));
    return status == Success ? UsageError : status;
}

int Mrb500Ctl::execute(const QStringList &arguments) {
    QString code;
    {
        CommandLine first;
        first.parser.parse(arguments); // what is wrong is said below, in the language
        code = first.parser.value(first.language);
    }
    const QStringList available = LanguageCatalog::codes();
    if (!code.isEmpty() && !available.contains(code)) {
        installLanguage(LanguageCatalog::defaultCode());
        return usageError(tr("unknown language \"%1\"; available: %2")
                              .arg(code, available.join(QStringLiteral(", "))));
    }
    if (!installLanguage(code.isEmpty() ? LanguageCatalog::defaultCode() : code))
        return UsageError;

    CommandLine line;
    QCommandLineParser &parser = line.parser;
    const QCommandLineOption &verbose = line.verbose, &port = line.port, &verify = line.verify,
                             &noVerify = line.noVerify, &base = line.base, &all = line.all,
                             &noBackup = line.noBackup, &showChanges = line.showChanges,
                             &trace = line.trace, &pdf = line.pdf, &csv = line.csv,
                             &help = line.help, &version = line.version;

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
    this->verbose = parser.isSet(verbose);
    // --verbose shows the transfer's steps, not the program's internals; a logging rule
    // (QT_LOGGING_RULES) still may.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError(tr("no command given; see mrb500ctl --help"));
    const QString command = args.first();
    using Handler = int (Mrb500Ctl::*)(const QString &);
    const QList<const QCommandLineOption *> commandOnly{
        &port, &verify, &noVerify, &base, &all, &noBackup, &showChanges, &trace, &pdf, &csv};
    if (std::any_of(commandOnly.cbegin(), commandOnly.cend(),
                    [&](const QCommandLineOption *o) { return parser.isSet(*o); })) {
        for (const char *name : {"show", "dump", "validate"}) {
            if (command == QLatin1String(name))
                return usageError(
                    tr("%1 takes no options but --verbose and --language").arg(command));
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
                           command == QLatin1String("check") || command == QLatin1String("restore");
    const bool isDiff = command == QLatin1String("diff");
    const bool isReport = command == QLatin1String("report");
    if (!needsPort && !isDiff && !isReport && command != QLatin1String("ports"))
        return usageError(tr("unknown command \"%1\"; see mrb500ctl --help").arg(command));
    if (needsPort && parser.value(port).isEmpty())
        return usageError(tr("%1 needs --port; see mrb500ctl --help").arg(command));
    const std::pair<const QCommandLineOption &, QStringList> commandOptions[] = {
        {verify, {"upload"}},
        {noVerify, {"upload"}},
        {base, {"download"}},
        {all, {"ports"}},
        {noBackup, {"upload"}},
        {showChanges, {"upload"}},
        {trace, {"upload", "download", "check", "restore", "diff"}},
        {pdf, {"report"}},
        {csv, {"report"}},
        {port, {"upload", "download", "check", "restore", "diff"}}};
    for (const auto &[option, owners] : commandOptions) {
        if (parser.isSet(option) && !owners.contains(command))
            return usageError(tr("%1 does not take --%2").arg(command, option.names().first()));
    }
    if (parser.isSet(trace)) {
        if (isDiff && !parser.isSet(port))
            return usageError(tr("--trace needs a panel; diff takes it with --port"));
        if (!writableTarget(parser.value(trace)))
            return UsageError;
        traceFile = parser.value(trace);
    }
    if (isDiff) {
        const int files = parser.isSet(port) ? 1 : 2;
        if (args.size() != files + 1)
            return usageError(parser.isSet(port)
                                  ? tr("diff --port takes exactly one FILE; see mrb500ctl --help")
                                  : tr("diff takes two FILEs; see mrb500ctl --help"));
        const int status = diff(args.mid(1), parser.value(port));
        return writeTrace() ? status : UsageError;
    }
    if (isReport) {
        if (args.size() != 2)
            return usageError(tr("%1 takes exactly one FILE; see mrb500ctl --help").arg(command));
        if (!parser.isSet(pdf) && !parser.isSet(csv))
            return usageError(tr("report needs --pdf or --csv; see mrb500ctl --help"));
        return report(args.at(1), parser.value(pdf), parser.value(csv));
    }

    const bool takesFile = command == QLatin1String("upload") ||
                           command == QLatin1String("download") ||
                           command == QLatin1String("restore");
    if (args.size() != (takesFile ? 2 : 1))
        return usageError((takesFile ? tr("%1 takes exactly one FILE; see mrb500ctl --help")
                                     : tr("%1 takes no FILE; see mrb500ctl --help"))
                              .arg(command));
    int status = Success;
    if (command == QLatin1String("upload"))
        status =
            upload(args.at(1), parser.value(port),
                   {!parser.isSet(noVerify), !parser.isSet(noBackup), parser.isSet(showChanges)});
    else if (command == QLatin1String("download"))
        status = download(args.at(1), parser.value(port), parser.value(base));
    else if (command == QLatin1String("check"))
        status = check(parser.value(port));
    else if (command == QLatin1String("restore"))
        status = restore(args.at(1), parser.value(port));
    else
        return ports(parser.isSet(all));
    return writeTrace() ? status : UsageError;
}

SerialSettings Mrb500Ctl::portSettings(const QString &port) {
    SerialSettings settings;
    settings.name = port;
    settings.portSelected = true;
    return settings;
}

bool Mrb500Ctl::transfer(PanelCore &core, void (PanelCore::*progress)(int),
                         const std::function<bool()> &run) {
    bool ok = false;
    {
        // Ctrl-C lets the exchange in progress finish, then the port is closed and what
        // the transfer left is said.
        const StopOnSignal stopper([&core] { core.requestStop(); });
        TerminalProgress bar(err, PanelCore::ProgressMaximum);
        // With --verbose the steps are the progress: a bar would overwrite them.
        const QMetaObject::Connection shown =
            verbose ? QObject::connect(&core, &PanelCore::transferStep, &core,
                                       [this](const QString &step) { printError(step); })
                    : QObject::connect(&core, progress, &core, [&bar](int v) { bar.show(v); });
        ok = run();
        QObject::disconnect(shown);
    }
    if (!traceFile.isEmpty())
        traceText += core.linkTrace().toText();
    return ok;
}

int Mrb500Ctl::readFailed(const PanelCore &core, const QString &reason) {
    if (core.transferFailure() != DriverSerieHdlc::Failure::Interrupted) {
        printError(reason);
        return Failed;
    }
    printError(sentences(reason, tr("Nothing was changed.")));
    return Interrupted;
}

int Mrb500Ctl::writeFailed(const PanelCore &core, const QString &backup, const QString &port) {
    printError(sentences(core.transferError(), core.panelPartlyWritten()
                                                   ? BackupStore::partlyWrittenAdvice(backup, port)
                                                   : tr("The panel was not changed.")));
    return core.transferFailure() == DriverSerieHdlc::Failure::Interrupted ? Interrupted : Failed;
}

QString Mrb500Ctl::sentences(const QString &first, const QString &second) {
    return first.endsWith(QLatin1Char('.')) ? first + QLatin1Char(' ') + second
                                            : first + QStringLiteral(". ") + second;
}

bool Mrb500Ctl::writableTarget(const QString &fileName) {
    const QFileInfo target(fileName);
    // A file is replaced through its folder; a device is written in place.
    const QFileInfo writtenThrough =
        FileWriting::writesInPlace(fileName) ? target : QFileInfo(target.absolutePath());
    if (target.isDir() || !writtenThrough.isWritable()) {
        printError(tr("cannot write %1").arg(QDir::toNativeSeparators(fileName)));
        return false;
    }
    return true;
}

bool Mrb500Ctl::writeTrace() {
    if (traceFile.isEmpty())
        return true;
    QString reason;
    if (FileWriting::write(traceFile, traceText.toUtf8(), &reason))
        return true;
    printError(tr("cannot write %1: %2").arg(traceFile, reason));
    return false;
}

int Mrb500Ctl::upload(const QString &fileName, const QString &port, const UploadOptions &options) {
    PanelCore core;
    XmlConfigReader::Notes notes;
    if (!load(fileName, core, &notes))
        return UsageError;
    // Refused before the panel is even read.
    if (!notes.problems.isEmpty()) {
        QStringList problems;
        for (const ConfigurationProblem &p : notes.problems)
            problems << p.message;
        printError(
            tr("%1 cannot go to the panel: %2").arg(fileName, problems.join(QStringLiteral("; "))));
        return Failed;
    }
    const QString refusal = core.uploadRefusal();
    if (!refusal.isEmpty()) {
        printError(refusal);
        return Failed;
    }
    // Warnings do not refuse an upload, but they are said before the panel is touched.
    for (const ConfigurationProblem &p : ConfigurationCheck::check(core)) {
        if (!p.isError())
            printError(tr("warning: ") + p.message);
    }
    core.setSerialSettings(portSettings(port));
    core.setVerifyAfterUpload(options.verify);

    PanelConfiguration panel;
    BackupStore store;
    if (options.backup) {
        if (!transfer(core, &PanelCore::progress, [&] { return store.backUpPanel(core, panel); })) {
            // Going on without a backup helps only where the panel could be read.
            if (BackupStore::outOfReach(core.transferFailure()))
                return readFailed(core, store.errorString());
            return readFailed(
                core,
                tr("%1; to upload without a backup, use --no-backup").arg(store.errorString()));
        }
        out << tr("backup of the panel saved as %1")
                   .arg(QDir::toNativeSeparators(store.lastBackup()))
            << '\n';
        // The way back must not be lost in a buffer if the run is ended.
        out.flush();
        if (!store.viewProblem().isEmpty())
            printError(tr("warning: the backup is kept as the panel's records only, without "
                          "an XML view: %1")
                           .arg(store.viewProblem()));
    } else if (options.showChanges) {
        if (!transfer(core, &PanelCore::progress, [&] { return core.downloadConfigInto(panel); }))
            return readFailed(core, core.transferError());
    }
    if (options.showChanges) {
        const QList<ConfigurationDifference> changes =
            ConfigurationDiff::compare(panel, core, ConfigurationDiff::Scope::PanelHeld);
        if (changes.isEmpty())
            out << tr("The panel already holds this configuration.") << '\n';
        else
            out << tr("Changes to be written to the panel:") << '\n';
        for (const ConfigurationDifference &d : changes)
            out << "  " << d.text() << '\n';
        out.flush();
    }

    if (!transfer(core, &PanelCore::progressUp, [&] { return core.uploadConfig(); }))
        return writeFailed(core, store.lastBackup(), port);
    out << (options.verify ? tr("%1 uploaded to %2 and verified") : tr("%1 uploaded to %2"))
               .arg(fileName, port)
        << '\n';
    // Keeps the backup taken before this upload from being pushed out by later retries.
    if (options.backup && !store.recordSuccessfulUpload())
        return usageError(store.errorString());
    return Success;
}

int Mrb500Ctl::diff(const QStringList &files, const QString &port) {
    PanelConfiguration before;
    PanelConfiguration after;
    if (!load(files.at(0), before))
        return UsageError;
    auto scope = ConfigurationDiff::Scope::Everything;
    if (port.isEmpty()) {
        if (!load(files.at(1), after))
            return UsageError;
    } else {
        // The panel stores no zones, boards or zone names: compare only what it holds.
        PanelCore link;
        link.setSerialSettings(portSettings(port));
        if (!transfer(link, &PanelCore::progress, [&] { return link.downloadConfigInto(after); }))
            return readFailed(link, link.transferError());
        scope = ConfigurationDiff::Scope::PanelHeld;
    }
    const QList<ConfigurationDifference> differences =
        ConfigurationDiff::compare(before, after, scope);
    for (const ConfigurationDifference &d : differences)
        out << d.text() << '\n';
    if (differences.isEmpty())
        out << tr("No differences.") << '\n';
    return differences.isEmpty() ? Success : Failed;
}

int Mrb500Ctl::report(const QString &fileName, const QString &pdf, const QString &csv) {
    PanelConfiguration core;
    if (!load(fileName, core))
        return UsageError;
    for (const QString &target : {pdf, csv}) {
        if (!target.isEmpty() && !writableTarget(target))
            return UsageError;
    }
    CauseEffectReport report(core);
    report.setSourceName(QFileInfo(fileName).fileName());
    if (!pdf.isEmpty() && !report.writePdf(pdf))
        return usageError(report.errorString());
    if (!csv.isEmpty() && !report.writeCsv(csv))
        return usageError(report.errorString());
    for (const QString &target : {pdf, csv}) {
        if (!target.isEmpty())
            out << tr("%1 written").arg(QDir::toNativeSeparators(target)) << '\n';
    }
    return Success;
}

int Mrb500Ctl::download(const QString &fileName, const QString &port, const QString &baseFile) {
    PanelCore core;
    if (!baseFile.isEmpty() && !load(baseFile, core))
        return UsageError;
    // Refused before the transfer rather than after it.
    if (!writableTarget(fileName))
        return UsageError;
    core.setSerialSettings(portSettings(port));
    if (!transfer(core, &PanelCore::progress, [&] { return core.downloadConfig(); }))
        return readFailed(core, core.transferError());
    MyXMLWriter writer(&core);
    if (!writer.writeFile(fileName))
        return usageError(writer.errorString());
    out << tr("%1 downloaded from %2").arg(fileName, port) << '\n';
    return Success;
}

int Mrb500Ctl::check(const QString &port) {
    PanelCore core;
    core.setSerialSettings(portSettings(port));
    if (!transfer(core, &PanelCore::progress, [&] { return core.checkConnection(); }))
        return readFailed(core, core.transferError());
    const GeneralConfig g = core.panelGeneralConfig();
    out << tr("Panel on %1 answered; its general options:").arg(port) << '\n'
        << "confirmation_general_mode " << g.confirmation_general_mode << '\n'
        << "short_general_mode " << g.short_general_mode << '\n'
        << "delay_confirmation " << g.delay_confirmation << '\n'
        << "cancel_delay " << g.cancel_delay << '\n'
        << "cancel_MCP_delay " << g.cancel_MCP_delay << '\n';
    return Success;
}

int Mrb500Ctl::restore(const QString &backup, const QString &port) {
    PanelRecords records;
    QString reason;
    if (!BackupStore::read(backup, records, &reason))
        return usageError(reason);
    const QString problem = records.restoreProblem();
    if (!problem.isEmpty())
        return usageError(tr("the backup %1 cannot be restored: %2").arg(backup, problem));
    PanelCore core;
    core.setSerialSettings(portSettings(port));
    if (!transfer(core, &PanelCore::progressUp, [&] { return core.restoreRecords(records); }))
        return writeFailed(core, backup, port);
    out << tr("%1 restored to %2 and verified").arg(backup, port) << '\n';
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
    PanelConfiguration core;
    if (!load(fileName, core))
        return UsageError;
    out << ConfigurationSummary::text(core);
    return Success;
}

int Mrb500Ctl::dump(const QString &fileName) {
    PanelConfiguration core;
    if (!load(fileName, core))
        return UsageError;
    // Machine-readable: the maneuver descriptions are English whatever the language.
    if (!installLanguage(QStringLiteral("en")))
        return UsageError;
    out << QJsonDocument(ConfigurationJson::toJson(core)).toJson(QJsonDocument::Indented);
    return Success;
}

int Mrb500Ctl::validate(const QString &fileName) {
    PanelConfiguration core;
    XmlConfigReader::Notes notes;
    if (!load(fileName, core, &notes))
        return UsageError;
    if (verbose) {
        for (const QString &ignored : notes.ignored)
            out << tr("note: ") << ignored << '\n';
    }
    const QList<ConfigurationProblem> problems = notes.problems + ConfigurationCheck::check(core);
    for (const ConfigurationProblem &p : problems)
        out << (p.isError() ? tr("error: ") : tr("warning: ")) << p.message << '\n';
    if (problems.isEmpty())
        out << tr("%1: no problems found").arg(fileName) << '\n';
    return ConfigurationCheck::hasErrors(problems) ? Failed : Success;
}

bool Mrb500Ctl::installLanguage(const QString &code) {
    QCoreApplication::removeTranslator(&programTranslation);
    QCoreApplication::removeTranslator(&qtTranslation);
    QLocale::setDefault(QLocale(code));
    // Without its catalogue the output would mix English and Spanish source texts.
    if (!programTranslation.load(LanguageCatalog::fileName(code), LanguageCatalog::directory())) {
        printError(
            tr("cannot read the translation %1")
                .arg(QDir::toNativeSeparators(LanguageCatalog::directory() + QLatin1Char('/') +
                                              LanguageCatalog::fileName(code))));
        return false;
    }
    QCoreApplication::installTranslator(&programTranslation);
    // Qt's own texts (parse errors, the help's headings), where Qt has them.
    if (qtTranslation.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslation);
    return true;
}

bool Mrb500Ctl::load(const QString &fileName, PanelConfiguration &core,
                     XmlConfigReader::Notes *notes) {
    QString reason;
    if (XmlConfigReader::readFile(fileName, &core, &reason, notes))
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
