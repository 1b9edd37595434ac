#pragma once

#include "cli/CtlConsole.h"

#include <QCoreApplication>
#include <QStringList>

struct CtlCommand;
class CtlCommandLine;

// The command-line companion: one run, one command, an exit status for scripts. The
// commands are the rows of CtlCommand::all(); this checks a command line against them.
class Mrb500Ctl {
    Q_DECLARE_TR_FUNCTIONS(Mrb500Ctl)

public:
    using ExitStatus = CtlConsole::ExitStatus;

    int run(const QStringList &arguments);

private:
    int execute(const QStringList &arguments);
    // Why `command` cannot run with the options of `line`, or an empty string.
    static QString optionProblem(const CtlCommand &command, const CtlCommandLine &line);
    static QString filesProblem(const CtlCommand &command, bool withPort, int files);

    CtlConsole console;
};
