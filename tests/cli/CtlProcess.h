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

// The output's language follows the system's: `locale` stands for it (LC_ALL). Standard
// output goes to `output` when given; `wrapper` is a command that runs mrb500ctl.
inline Run ctl(const QStringList &arguments, const QString &locale = QStringLiteral("C.UTF-8"),
               const QString &output = {}, const QStringList &wrapper = {}) {
    QProcess process;
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(environment);
    const QStringList command = wrapper + QStringList{QStringLiteral(MRB500CTL_PATH)} + arguments;
    process.start(command.first(), command.mid(1));
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
