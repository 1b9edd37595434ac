#pragma once

#include "model/XmlConfigReader.h"

#include <QCoreApplication>
#include <QString>
#include <QTextStream>
#include <QTranslator>

class LinkTrace;
class PanelConfiguration;

// What every command of one mrb500ctl run shares: standard output and error, the language
// of its texts, the configuration files it reads, and the frames kept for --trace.
class CtlConsole {
    Q_DECLARE_TR_FUNCTIONS(CtlConsole)

public:
    // Interrupted: stopped by Ctrl-C or SIGTERM, as a shell reports a program ended by
    // Ctrl-C.
    enum ExitStatus { Success = 0, Failed = 1, UsageError = 2, Interrupted = 130 };

    CtlConsole();

    // One line on standard error, "mrb500ctl: " then `reason`, whatever the reason carries.
    void printError(const QString &reason);
    int usageError(const QString &reason);
    // `first`, then `second` as a sentence of its own.
    static QString sentences(const QString &first, const QString &second);

    // The program's and Qt's texts in `code`; false, with the reason printed, when its
    // catalogue cannot be read.
    bool installLanguage(const QString &code);
    // Reads a configuration file; false, with the reason printed, when it cannot.
    bool load(const QString &fileName, PanelConfiguration &core,
              XmlConfigReader::Notes *notes = nullptr);
    // Whether `fileName` can be written, before the work that would fill it; says why not.
    bool writableTarget(const QString &fileName);

    // With --trace, every transfer of the run goes to `file` at its end.
    void setTraceFile(const QString &file) { traceFile = file; }
    void keepTrace(const LinkTrace &trace);
    bool writeTrace();

    QTextStream out;
    QTextStream err;
    bool verbose = false; // the steps of each transfer on standard error

private:
    QString traceFile;
    QString traceText;
    QTranslator programTranslation;
    QTranslator qtTranslation;
};
