#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs mrb500ctl as a user would and keeps what it said.
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

inline Run ctl(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral(MRB500CTL_PATH), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(10000))
        process.kill();
    return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
               QString::fromUtf8(process.readAllStandardOutput()),
               QString::fromUtf8(process.readAllStandardError())};
}

inline QString example(const char *name) {
    return qEnvironmentVariable("MRB500_SOURCE_DIR") + QStringLiteral("/examples/") +
           QLatin1String(name);
}
