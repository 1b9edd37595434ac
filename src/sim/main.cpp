// mrb500-panelsim: a panel on a pseudo-terminal, for trying the configurator without one.
#include "model/ProductInfo.h"
#include "sim/PanelMemoryFile.h"
#include "sim/PanelSimulator.h"
#include "sim/PtyPanel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

int fail(const QString &reason) {
    QTextStream(stderr) << "mrb500-panelsim: " << reason << '\n';
    return 2;
}

bool rate(const QCommandLineParser &parser, const QCommandLineOption &option, double &out) {
    bool ok = true;
    out = parser.isSet(option) ? parser.value(option).toDouble(&ok) : 0.0;
    return ok && out >= 0.0 && out <= 1.0;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mrb500-panelsim"));
    QCoreApplication::setApplicationVersion(ProductInfo::version());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates an MRB-500 panel on a pseudo-terminal. The first line on standard output "
        "is the terminal's path; give it to the configurator as its port."));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Create a symbolic link PATH to the terminal."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption memory(
        QStringLiteral("memory"),
        QStringLiteral("Load the panel memory from FILE and save it after each change."),
        QStringLiteral("FILE"));
    const QCommandLineOption baud(QStringLiteral("baud"),
                                  QStringLiteral("Answer no sooner than a line at N baud."),
                                  QStringLiteral("N"));
    const QCommandLineOption latency(QStringLiteral("latency-ms"),
                                     QStringLiteral("Extra processing time per command."),
                                     QStringLiteral("N"));
    const QCommandLineOption dropRate(QStringLiteral("drop-rate"),
                                      QStringLiteral("Leave a command unanswered with "
                                                     "probability P."),
                                      QStringLiteral("P"));
    const QCommandLineOption corruptRate(QStringLiteral("corrupt-rate"),
                                         QStringLiteral("Flip one answer byte with "
                                                        "probability P."),
                                         QStringLiteral("P"));
    const QCommandLineOption status(QStringLiteral("status"),
                                    QStringLiteral("Refuse writes and erases with status N."),
                                    QStringLiteral("N"));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption hangUpAfter(
        QStringLiteral("hang-up-after"),
        QStringLiteral("After answering N requests, close the terminal for good at the next "
                       "one, as an unplugged USB adapter."),
        QStringLiteral("N"));
    const QCommandLineOption flipStored(
        QStringLiteral("flip-stored"),
        QStringLiteral("Store every written record with one bit changed."));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the fault choices (default 1)."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({link, memory, baud, latency, dropRate, corruptRate, status, silent,
                       hangUpAfter, flipStored, seed});
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    const auto number = [&parser](const QCommandLineOption &option, int max, int &out) {
        bool ok = true;
        out = parser.isSet(option) ? parser.value(option).toInt(&ok) : 0;
        return ok && out >= 0 && out <= max;
    };
    int baudRate = 0;
    int latencyMs = 0;
    int refusal = 0;
    int hangUp = -1;
    PtyPanel::Faults faults;
    if (!number(baud, 4000000, baudRate))
        return fail(QStringLiteral("--baud takes a number of bits per second"));
    if (!number(latency, 60000, latencyMs))
        return fail(QStringLiteral("--latency-ms takes 0 to 60000"));
    if (!number(status, 255, refusal))
        return fail(QStringLiteral("--status takes 0 to 255"));
    if (parser.isSet(hangUpAfter) && !number(hangUpAfter, 1000000, hangUp))
        return fail(QStringLiteral("--hang-up-after takes a number of requests"));
    if (!rate(parser, dropRate, faults.dropRate) || !rate(parser, corruptRate, faults.corruptRate))
        return fail(QStringLiteral("rates are numbers from 0 to 1"));
    bool seedOk = false;
    faults.seed = parser.value(seed).toUInt(&seedOk);
    if (!seedOk)
        return fail(QStringLiteral("--seed takes a number"));
    faults.silent = parser.isSet(silent);

    PanelSimulator engine;
    engine.setRefusalStatus(quint8(refusal));
    engine.setFlipStored(parser.isSet(flipStored));
    const QString memoryFile = parser.value(memory);
    QString error;
    if (!memoryFile.isEmpty()) {
        PanelRecords stored;
        if (!PanelMemoryFile::load(memoryFile, stored, &error))
            return fail(error);
        engine.setMemory(stored);
    }

    PtyPanel panel(&engine);
    panel.setBaud(baudRate);
    panel.setLatencyMs(latencyMs);
    panel.setFaults(faults);
    panel.setHangUpAfter(hangUp);
    if (!panel.open(&error))
        return fail(error);
    // Saved once a burst of changes is over, and at exit, so that an upload's writes
    // are not slowed down by one file replacement each.
    QTimer saveTimer;
    saveTimer.setSingleShot(true);
    saveTimer.setInterval(100);
    const auto save = [&] {
        QString saveError;
        if (!PanelMemoryFile::save(memoryFile, engine.memory(), &saveError))
            QTextStream(stderr) << "mrb500-panelsim: " << saveError << '\n';
    };
    if (!memoryFile.isEmpty()) {
        QObject::connect(&saveTimer, &QTimer::timeout, &app, save);
        QObject::connect(&panel, &PtyPanel::memoryChanged, &saveTimer, qOverload<>(&QTimer::start));
    }

    const QString linkPath = parser.value(link);
    if (!linkPath.isEmpty()) {
        if (QFileInfo(linkPath).isSymLink())
            QFile::remove(linkPath);
        if (!QFile::link(panel.slavePath(), linkPath))
            return fail(QStringLiteral("cannot create the link %1").arg(linkPath));
    }

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return fail(QStringLiteral("cannot set up signal handling"));
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        std::signal(sig, onSignal);

    QTextStream(stdout) << panel.slavePath() << Qt::endl;
    const int result = app.exec();
    if (saveTimer.isActive())
        save();
    if (!linkPath.isEmpty())
        QFile::remove(linkPath);
    return result;
}
