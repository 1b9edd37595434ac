#pragma once

#include "model/XmlConfigReader.h"

#include <QCoreApplication>
#include <QStringList>

#include <QTextStream>
#include <QTranslator>
#include <functional>

class PanelConfiguration;
class PanelCore;
struct SerialSettings;

// The command-line companion: one run, one command, an exit status for scripts.
class Mrb500Ctl {
    Q_DECLARE_TR_FUNCTIONS(Mrb500Ctl)

public:
    // Interrupted: stopped by Ctrl-C or SIGTERM, as a shell reports a program ended by
    // Ctrl-C.
    enum ExitStatus { Success = 0, Failed = 1, UsageError = 2, Interrupted = 130 };

    Mrb500Ctl();
    int run(const QStringList &arguments);

private:
    int execute(const QStringList &arguments);
    int show(const QString &fileName);
    int dump(const QString &fileName);
    int validate(const QString &fileName);
    struct UploadOptions {
        bool verify = true;
        bool backup = true;
        bool showChanges = false;
    };
    int upload(const QString &fileName, const QString &port, const UploadOptions &options);
    int download(const QString &fileName, const QString &port, const QString &baseFile);
    int check(const QString &port);
    int restore(const QString &backup, const QString &port);
    int diff(const QStringList &files, const QString &port);
    int report(const QString &fileName, const QString &pdf, const QString &csv);
    int ports(bool all);

    static SerialSettings portSettings(const QString &port);
    // Runs one transfer of `core`: a progress bar, or its steps with --verbose; Ctrl-C and
    // SIGTERM as a stop request; its frames kept for --trace. A failure is said by one of
    // the two below.
    bool transfer(PanelCore &core, void (PanelCore::*progress)(int),
                  const std::function<bool()> &run);
    // A transfer that only read the panel failed: `reason`, and with Ctrl-C that nothing
    // was changed. Returns the exit status.
    int readFailed(const PanelCore &core, const QString &reason);
    // An upload or restore failed: its reason, then whether the panel is partly written
    // and how to put `backup` (empty: none was taken) back through `port`.
    int writeFailed(const PanelCore &core, const QString &backup, const QString &port);
    static QString sentences(const QString &first, const QString &second);
    bool writableTarget(const QString &fileName);
    bool writeTrace();

    // The program's and Qt's texts in `code`; false, with the reason printed, when its
    // catalogue cannot be read.
    bool installLanguage(const QString &code);
    bool load(const QString &fileName, PanelConfiguration &core,
              XmlConfigReader::Notes *notes = nullptr);
    int usageError(const QString &reason);
    void printError(const QString &reason);

    QTextStream out;
    QTextStream err;
    bool verbose = false;
    QString traceFile;
    QString traceText; // every transfer of this run
    QTranslator programTranslation;
    QTranslator qtTranslation;
};
