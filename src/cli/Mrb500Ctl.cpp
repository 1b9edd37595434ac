#include "Mrb500Ctl.h"

#include "ConfigurationCheck.h"
#include "ConfigurationJson.h"
#include "ConfigurationSummary.h"
#include "PanelCore.h"
#include "XmlConfigReader.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QLoggingCategory>

#include <cstdio>

Mrb500Ctl::Mrb500Ctl()
    : out(stdout)
    , err(stderr) {}

int Mrb500Ctl::run(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Inspects MRB-500 configuration files.\n\n"
           "Commands:\n"
           "  show FILE       human-readable summary\n"
           "  dump FILE       the whole configuration as one JSON object\n"
           "  validate FILE   one line per problem; exit status 1 on any error\n\n"
           "Exit status: 0 success, 1 the operation failed, 2 usage error or a file that "
           "cannot be read."));
    parser.addPositionalArgument(QStringLiteral("command"), tr("show, dump or validate"),
                                 QStringLiteral("<command>"));
    parser.addPositionalArgument(QStringLiteral("file"), tr("A configuration file."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     tr("Print diagnostic lines on standard error."));
    parser.addOption(verbose);
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
    return usageError(tr("unknown command \"%1\"; see mrb500ctl --help").arg(command));
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
