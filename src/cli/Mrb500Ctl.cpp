#include "cli/Mrb500Ctl.h"

#include "cli/CtlCommand.h"
#include "cli/CtlCommandLine.h"
#include "model/LanguageCatalog.h"

#include <QIODevice>
#include <QLoggingCategory>

int Mrb500Ctl::run(const QStringList &arguments) {
    const int status = execute(arguments);
    // A full disk or a closed pipe shows only when the last output is flushed.
    console.out.flush();
    if (console.out.status() == QTextStream::Ok)
        return status;
    console.printError(
        tr("cannot write to standard output: %1").arg(console.out.device()->errorString()));
    return status == CtlConsole::Success ? CtlConsole::UsageError : status;
}

int Mrb500Ctl::execute(const QStringList &arguments) {
    QString code;
    {
        CtlCommandLine first;
        first.parser.parse(arguments); // what is wrong is said below, in the language
        code = first.parser.value(first.language);
    }
    const QStringList available = LanguageCatalog::codes();
    if (!code.isEmpty() && !available.contains(code)) {
        console.installLanguage(LanguageCatalog::defaultCode());
        return console.usageError(tr("unknown language \"%1\"; available: %2")
                                      .arg(code, available.join(QStringLiteral(", "))));
    }
    if (!console.installLanguage(code.isEmpty() ? LanguageCatalog::defaultCode() : code))
        return CtlConsole::UsageError;

    CtlCommandLine line;
    QCommandLineParser &parser = line.parser;
    if (!parser.parse(arguments))
        return console.usageError(parser.errorText());
    if (parser.isSet(line.help)) {
        console.out << parser.helpText();
        return CtlConsole::Success;
    }
    if (parser.isSet(line.version)) {
        console.out << QCoreApplication::applicationName() << ' '
                    << QCoreApplication::applicationVersion() << '\n';
        return CtlConsole::Success;
    }
    console.verbose = parser.isSet(line.verbose);
    // --verbose shows the transfer's steps, not the program's internals; a logging rule
    // (QT_LOGGING_RULES) still may.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return console.usageError(tr("no command given; see mrb500ctl --help"));
    const CtlCommand *command = CtlCommand::find(args.first());
    if (!command)
        return console.usageError(
            tr("unknown command \"%1\"; see mrb500ctl --help").arg(args.first()));
    const QString problem = optionProblem(*command, line);
    if (!problem.isEmpty())
        return console.usageError(problem);
    if (parser.isSet(QStringLiteral("trace"))) {
        const QString trace = parser.value(QStringLiteral("trace"));
        if (!console.writableTarget(trace))
            return CtlConsole::UsageError;
        console.setTraceFile(trace);
    }
    const QString count =
        filesProblem(*command, parser.isSet(QStringLiteral("port")), int(args.size()) - 1);
    if (!count.isEmpty())
        return console.usageError(count);
    const int status = command->handler(console, args.mid(1), parser);
    return console.writeTrace() ? status : CtlConsole::UsageError;
}

QString Mrb500Ctl::optionProblem(const CtlCommand &command, const CtlCommandLine &line) {
    const QCommandLineParser &parser = line.parser;
    const QStringList given = line.commandOptionsGiven();
    const QString &name = command.name;
    if (command.options.isEmpty() && command.port == CtlCommand::Port::None && !given.isEmpty())
        return tr("%1 takes no options but --verbose and --language").arg(name);
    if (command.port == CtlCommand::Port::Needed && parser.value(QStringLiteral("port")).isEmpty())
        return tr("%1 needs --port; see mrb500ctl --help").arg(name);
    for (const QString &option : given) {
        if (!command.takes(option))
            return tr("%1 does not take --%2").arg(name, option);
    }
    if (parser.isSet(QStringLiteral("trace")) && !parser.isSet(QStringLiteral("port")))
        return tr("--trace needs a panel; %1 takes it with --port").arg(name);
    return {};
}

QString Mrb500Ctl::filesProblem(const CtlCommand &command, bool withPort, int files) {
    if (files == command.filesGiven(withPort))
        return {};
    if (withPort && command.filesWithPort != command.files) // diff against the panel
        return tr("%1 --port takes exactly one FILE; see mrb500ctl --help").arg(command.name);
    switch (command.filesGiven(withPort)) {
    case 0:
        return tr("%1 takes no FILE; see mrb500ctl --help").arg(command.name);
    case 1:
        return tr("%1 takes exactly one FILE; see mrb500ctl --help").arg(command.name);
    default:
        return tr("%1 takes two FILEs; see mrb500ctl --help").arg(command.name);
    }
}
