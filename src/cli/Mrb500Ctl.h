#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

class PanelCore;
struct SerialSettings;

// The command-line companion: one run, one command, an exit status for scripts.
class Mrb500Ctl {
    Q_DECLARE_TR_FUNCTIONS(Mrb500Ctl)

public:
    enum ExitStatus { Success = 0, Failed = 1, UsageError = 2 };

    Mrb500Ctl();
    int run(const QStringList &arguments);

private:
    int show(const QString &fileName);
    int dump(const QString &fileName);
    int validate(const QString &fileName);
    int upload(const QString &fileName, const QString &port, bool verify);
    int download(const QString &fileName, const QString &port, const QString &baseFile);
    int check(const QString &port);
    int ports(bool all);

    static SerialSettings portSettings(const QString &port);
    bool transfer(PanelCore &core, void (PanelCore::*progress)(int), bool (PanelCore::*run)());

    bool load(const QString &fileName, PanelCore &core);
    int usageError(const QString &reason);
    void printError(const QString &reason);

    QTextStream out;
    QTextStream err;
};
