#include "cli/CtlFileCommands.h"

#include "cli/ConfigurationSummary.h"
#include "cli/CtlConsole.h"
#include "cli/CtlPanelCommands.h"
#include "images/ConfigurationCheck.h"
#include "model/ConfigurationDiff.h"
#include "model/ConfigurationJson.h"
#include "model/PanelConfiguration.h"
#include "report/CauseEffectReport.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

int CtlFileCommands::show(CtlConsole &console, const QStringList &files,
                          const QCommandLineParser &) {
    PanelConfiguration core;
    if (!console.load(files.first(), core))
        return CtlConsole::UsageError;
    console.out << ConfigurationSummary::text(core);
    return CtlConsole::Success;
}

int CtlFileCommands::dump(CtlConsole &console, const QStringList &files,
                          const QCommandLineParser &) {
    PanelConfiguration core;
    if (!console.load(files.first(), core))
        return CtlConsole::UsageError;
    // Machine-readable: the maneuver descriptions are English whatever the language.
    if (!console.installLanguage(QStringLiteral("en")))
        return CtlConsole::UsageError;
    console.out << QJsonDocument(ConfigurationJson::toJson(core)).toJson(QJsonDocument::Indented);
    return CtlConsole::Success;
}

int CtlFileCommands::validate(CtlConsole &console, const QStringList &files,
                              const QCommandLineParser &) {
    PanelConfiguration core;
    XmlConfigReader::Notes notes;
    if (!console.load(files.first(), core, &notes))
        return CtlConsole::UsageError;
    if (console.verbose) {
        for (const QString &ignored : notes.ignored)
            console.out << tr("note: ") << ignored << '\n';
    }
    const QList<ConfigurationProblem> problems = notes.problems + ConfigurationCheck::check(core);
    for (const ConfigurationProblem &p : problems)
        console.out << (p.isError() ? tr("error: ") : tr("warning: ")) << p.message << '\n';
    if (problems.isEmpty())
        console.out << tr("%1: no problems found").arg(files.first()) << '\n';
    return ConfigurationCheck::hasErrors(problems) ? CtlConsole::Failed : CtlConsole::Success;
}

int CtlFileCommands::diff(CtlConsole &console, const QStringList &files,
                          const QCommandLineParser &options) {
    PanelConfiguration before;
    PanelConfiguration after;
    if (!console.load(files.at(0), before))
        return CtlConsole::UsageError;
    auto scope = ConfigurationDiff::Scope::Everything;
    if (!options.isSet(QStringLiteral("port"))) {
        if (!console.load(files.at(1), after))
            return CtlConsole::UsageError;
    } else {
        const int status = CtlPanelCommands::readPanel(
            console, before, options.value(QStringLiteral("port")), after);
        if (status != CtlConsole::Success)
            return status;
        // The panel stores no zones, boards or zone names: compare only what it holds.
        scope = ConfigurationDiff::Scope::PanelHeld;
    }
    const QList<ConfigurationDifference> differences =
        ConfigurationDiff::compare(before, after, scope);
    for (const ConfigurationDifference &d : differences)
        console.out << d.text() << '\n';
    if (differences.isEmpty())
        console.out << tr("No differences.") << '\n';
    return differences.isEmpty() ? CtlConsole::Success : CtlConsole::Failed;
}

int CtlFileCommands::report(CtlConsole &console, const QStringList &files,
                            const QCommandLineParser &options) {
    const QString pdf = options.value(QStringLiteral("pdf"));
    const QString csv = options.value(QStringLiteral("csv"));
    if (!options.isSet(QStringLiteral("pdf")) && !options.isSet(QStringLiteral("csv")))
        return console.usageError(tr("report needs --pdf or --csv; see mrb500ctl --help"));
    PanelConfiguration core;
    if (!console.load(files.first(), core))
        return CtlConsole::UsageError;
    for (const QString &target : {pdf, csv}) {
        if (!target.isEmpty() && !console.writableTarget(target))
            return CtlConsole::UsageError;
    }
    CauseEffectReport report(core);
    report.setSourceName(QFileInfo(files.first()).fileName());
    if (!pdf.isEmpty() && !report.writePdf(pdf))
        return console.usageError(report.errorString());
    if (!csv.isEmpty() && !report.writeCsv(csv))
        return console.usageError(report.errorString());
    for (const QString &target : {pdf, csv}) {
        if (!target.isEmpty())
            console.out << tr("%1 written").arg(QDir::toNativeSeparators(target)) << '\n';
    }
    return CtlConsole::Success;
}
