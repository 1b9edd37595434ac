#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class CtlConsole;
class QCommandLineParser;

// One command of mrb500ctl, as its command line is checked, its help written and its work
// started: every command is one row of all().
struct CtlCommand {
    Q_DECLARE_TR_FUNCTIONS(CtlCommand)

public:
    enum class Port { None, Needed, Optional };
    // The command's work, given its FILEs and the parsed options; returns the exit status.
    using Handler = int (*)(CtlConsole &console, const QStringList &files,
                            const QCommandLineParser &options);

    QString name;
    int files = 0;         // FILEs it takes
    int filesWithPort = 0; // FILEs it takes with --port (diff against the panel)
    QStringList options;   // the options it takes besides --verbose, --language and --port
    Port port = Port::None;
    Handler handler = nullptr;
    QString synopsis; // its command line in the help
    const char *help; // what it does, translated; a line break continues it indented

    bool takes(const QString &option) const;
    // With --port, diff compares one FILE with the panel.
    int filesGiven(bool withPort) const { return withPort ? filesWithPort : files; }

    static const QList<CtlCommand> &all();
    static const CtlCommand *find(const QString &name);
    // "Commands:" and one entry per command, aligned, for the help.
    static QString list();
    // "show, dump, ... or ports".
    static QString names();
};
