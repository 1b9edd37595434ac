#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs mrb500ctl as a user would and keeps what it said.
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// The output's language follows the system's: `locale` stands for it (LC_ALL).
inline Run ctl(const QStringList &arguments, const QString &locale = QStringLiteral("C.UTF-8")) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(environment);
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
