#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QStringList>

// Every option of mrb500ctl, and a parser for them whose help lists the commands. Made once
// to learn the language, and again once it is installed, so that the help and Qt's own
// parse errors are in that language too.
class CtlCommandLine {
    Q_DECLARE_TR_FUNCTIONS(CtlCommandLine)

public:
    CtlCommandLine();

    // The options given that only some commands take, in the order usage errors name them.
    QStringList commandOptionsGiven() const;

    QCommandLineParser parser;
    QCommandLineOption verbose;
    QCommandLineOption language;
    QCommandLineOption help;
    QCommandLineOption version;

private:
    QList<QCommandLineOption> commandOptions;
};
