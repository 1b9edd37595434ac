#pragma once

#include <QCoreApplication>
#include <QStringList>

class CtlConsole;
class QCommandLineParser;

// The commands of mrb500ctl on configuration files: rows of CtlCommand::all().
class CtlFileCommands {
    Q_DECLARE_TR_FUNCTIONS(CtlFileCommands)

public:
    static int show(CtlConsole &console, const QStringList &files, const QCommandLineParser &);
    static int dump(CtlConsole &console, const QStringList &files, const QCommandLineParser &);
    static int validate(CtlConsole &console, const QStringList &files, const QCommandLineParser &);
    // Two files, or one file and the panel on --port.
    static int diff(CtlConsole &console, const QStringList &files,
                    const QCommandLineParser &options);
    static int report(CtlConsole &console, const QStringList &files,
                      const QCommandLineParser &options);
};
