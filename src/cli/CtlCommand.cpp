#include "cli/CtlCommand.h"

#include "cli/CtlFileCommands.h"
#include "cli/CtlPanelCommands.h"

namespace {

// Where the description of a command begins in the help.
constexpr int DescriptionColumn = 32;

} // namespace

const QList<CtlCommand> &CtlCommand::all() {
    using F = CtlFileCommands;
    using P = CtlPanelCommands;
    const QString trace = QStringLiteral("trace");
    static const QList<CtlCommand> commands{
        {QStringLiteral("show"),
         1,
         1,
         {},
         Port::None,
         &F::show,
         QStringLiteral("show FILE"),
         QT_TR_NOOP("human-readable summary")},
        {QStringLiteral("dump"),
         1,
         1,
         {},
         Port::None,
         &F::dump,
         QStringLiteral("dump FILE"),
         QT_TR_NOOP("the whole configuration as one JSON object")},
        {QStringLiteral("validate"),
         1,
         1,
         {},
         Port::None,
         &F::validate,
         QStringLiteral("validate FILE"),
         QT_TR_NOOP("one line per problem; exit status 1 on any error")},
        {QStringLiteral("upload"),
         1,
         1,
         {QStringLiteral("verify"), QStringLiteral("no-verify"), QStringLiteral("no-backup"),
          QStringLiteral("show-changes"), trace},
         Port::Needed,
         &P::upload,
         QStringLiteral("upload FILE --port P [--no-verify] [--no-backup] [--show-changes]"),
         QT_TR_NOOP("back up the panel, write FILE to it and read it\nback (not with "
                    "--no-verify)")},
        {QStringLiteral("download"),
         1,
         1,
         {QStringLiteral("base"), trace},
         Port::Needed,
         &P::download,
         QStringLiteral("download FILE --port P [--base BASEFILE]"),
         QT_TR_NOOP("read the panel into FILE; zones and boards from BASEFILE")},
        {QStringLiteral("check"),
         0,
         0,
         {trace},
         Port::Needed,
         &P::check,
         QStringLiteral("check --port P"),
         QT_TR_NOOP("read the panel's general options")},
        {QStringLiteral("restore"),
         1,
         1,
         {trace},
         Port::Needed,
         &P::restore,
         QStringLiteral("restore BACKUP --port P"),
         QT_TR_NOOP("write a backup (its .records file, or the .xml\nbeside it) back to the "
                    "panel, byte for byte, and\nread it back")},
        {QStringLiteral("diff"),
         2,
         1,
         {trace},
         Port::Optional,
         &F::diff,
         QStringLiteral("diff A B | diff FILE --port P"),
         QT_TR_NOOP("list the differences; exit status 1 when any")},
        {QStringLiteral("report"),
         1,
         1,
         {QStringLiteral("pdf"), QStringLiteral("csv")},
         Port::None,
         &F::report,
         QStringLiteral("report FILE --pdf OUT [--csv OUT]"),
         QT_TR_NOOP("cause-and-effect report (PDF) and matrix (CSV)")},
        {QStringLiteral("ports"),
         0,
         0,
         {QStringLiteral("all")},
         Port::None,
         &P::ports,
         QStringLiteral("ports [--all]"),
         QT_TR_NOOP("FT232 adapters (every serial port with --all)")},
    };
    return commands;
}

bool CtlCommand::takes(const QString &option) const {
    return option == QLatin1String("port") ? port != Port::None : options.contains(option);
}

const CtlCommand *CtlCommand::find(const QString &name) {
    for (const CtlCommand &command : all()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QString CtlCommand::list() {
    const QString indent(DescriptionColumn, QLatin1Char(' '));
    QString text = tr("Commands:") + QLatin1Char('\n');
    for (const CtlCommand &command : all()) {
        const QString entry = QStringLiteral("  ") + command.synopsis;
        text += entry.size() < DescriptionColumn ? entry.leftJustified(DescriptionColumn)
                                                 : entry + QLatin1Char('\n') + indent;
        text += tr(command.help).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent) +
                QLatin1Char('\n');
    }
    return text;
}

QString CtlCommand::names() {
    QStringList names;
    for (const CtlCommand &command : all())
        names << command.name;
    const QString last = names.takeLast();
    return tr("%1 or %2").arg(names.join(QStringLiteral(", ")), last);
}
