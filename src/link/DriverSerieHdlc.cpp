#include "link/DriverSerieHdlc.h"

#include "link/HdlcCodec.h"
#include "link/LinkAdvice.h"
#include "link/LinkTrace.h"
#include "link/SerialSettings.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <QTimer>

namespace {

QString seconds(int ms) {
    return QString::number(ms / 1000.0, 'g', 3);
}

} // namespace

DriverSerieHdlc::DriverSerieHdlc(QObject *parent)
    : QObject(parent)
    , serial(new QSerialPort)
    , io(serial) {}

DriverSerieHdlc::~DriverSerieHdlc() {
    if (serial->isOpen())
        serial->close();
    delete serial;
}

bool DriverSerieHdlc::fail(Failure failure, const QString &reason) {
    lastFailure = failure;
    lastError = reason;
    if (trace)
        trace->problem(reason);
    return false;
}

bool DriverSerieHdlc::configurePort(const SerialSettings &settings) {
    lastFailure = Failure::None;
    lastError.clear();
    closePort();
    io = given ? given : serial;
    lastCompleted.clear();
    if (settings.name.isEmpty())
        return fail(Failure::Port, tr("no serial port chosen"));
    portLabel = settings.name;
    reader.reset();
    if (given) {
        if (!given->open(QIODevice::ReadWrite))
            return fail(Failure::Port,
                        tr("cannot open %1: %2").arg(settings.name, given->errorString()));
        return true;
    }
    serial->setPortName(settings.name);
    if (!serial->open(QIODevice::ReadWrite))
        return fail(Failure::Port,
                    LinkAdvice::withDetail(
                        LinkAdvice::forOpenFailure(serial->error(), settings.name,
                                                   LinkAdvice::factsOf(settings.name)),
                        tr("cannot open %1: %2").arg(settings.name, serial->errorString())));

    QSerialPort *port = serial;
    const std::pair<std::function<bool()>, const char *> steps[] = {
        {[&] { return port->setBaudRate(settings.baudRate); }, QT_TR_NOOP("baud rate")},
        {[&] { return port->setDataBits(settings.dataBits); }, QT_TR_NOOP("data bits")},
        {[&] { return port->setParity(settings.parity); }, QT_TR_NOOP("parity")},
        {[&] { return port->setStopBits(settings.stopBits); }, QT_TR_NOOP("stop bits")},
        {[&] { return port->setFlowControl(settings.flowControl); }, QT_TR_NOOP("flow control")},
    };
    for (const auto &[apply, what] : steps) {
        if (!apply() && serial->error() != QSerialPort::UnsupportedOperationError) {
            const QString reason = LinkAdvice::withDetail(
                tr("Serial port %1 does not take the panel's line settings: choose the port of "
                   "the panel's USB adapter.")
                    .arg(settings.name),
                tr("%1 refused the %2: %3").arg(settings.name, tr(what), serial->errorString()));
            closePort();
            return fail(Failure::Port, reason);
        }
    }
    // Some adapters report an unsupported operation while their line is set up; it would
    // otherwise stay behind and pass for a lost port during the first wait.
    serial->clearError();
    return true;
}

void DriverSerieHdlc::useDevice(QIODevice *device) {
    closePort();
    given = device;
    io = given ? given : serial;
    lastCompleted.clear();
    reader.reset();
}

void DriverSerieHdlc::closePort() {
    if (io->isOpen())
        io->close();
    serial->clearError();
}

bool DriverSerieHdlc::isOpen() const {
    return io->isOpen();
}

bool DriverSerieHdlc::portLost() const {
    if (!io->isOpen())
        return true;
    if (io != serial)
        return false;
    switch (serial->error()) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    // Pseudo-terminals and some adapters have no DTR, RTS or pinout signals.
    case QSerialPort::UnsupportedOperationError:
        return false;
    default:
        return true;
    }
}

bool DriverSerieHdlc::failLost() {
    const QString why = io == serial ? serial->errorString() : io->errorString();
    return fail(Failure::Port, tr("lost %1: %2").arg(portLabel, why));
}

bool DriverSerieHdlc::waitUntil(const std::function<bool()> &done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (portLost())
            return false;
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return false;
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.setTimerType(Qt::PreciseTimer);
        connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(io, &QIODevice::readyRead, &loop, &QEventLoop::quit);
        connect(io, &QIODevice::bytesWritten, &loop, &QEventLoop::quit);
        connect(io, &QIODevice::aboutToClose, &loop, &QEventLoop::quit);
        connect(serial, &QSerialPort::errorOccurred, &loop, &QEventLoop::quit);
        deadline.start(int(left));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return true;
}

void DriverSerieHdlc::takeInput() {
    const QByteArray bytes = io->readAll();
    stats.bytesRead += bytes.size();
    reader.append(bytes);
}

bool DriverSerieHdlc::sendFrame(QByteArray &payload) {
    lastFailure = Failure::None;
    lastError.clear();
    lastFrameLeft = false;
    if (!io->isOpen())
        return fail(Failure::Port, tr("the serial port is not open"));

    // Whatever is still buffered belongs to an earlier exchange.
    if (io == serial)
        serial->clear(QSerialPort::Input);
    io->readAll();
    reader.reset();

    if (trace)
        trace->sent(payload);
    payload = HdlcCodec::encodeFrame(payload);
    ++stats.exchanges;
    const qint64 accepted = io->write(payload);
    lastFrameLeft = accepted > 0;
    if (accepted != payload.size()) {
        if (portLost())
            return failLost();
        return fail(Failure::Write, tr("cannot write to %1: %2").arg(portLabel, io->errorString()));
    }
    stats.bytesWritten += accepted;
    if (!waitUntil([this] { return io->bytesToWrite() == 0; }, writeTimeoutMs)) {
        if (portLost())
            return failLost();
        return fail(
            Failure::Write,
            tr("the port did not take the request within %1 s").arg(seconds(writeTimeoutMs)));
    }
    return true;
}

bool DriverSerieHdlc::receiveFrame(QByteArray &answer) {
    if (!io->isOpen())
        return fail(Failure::Port, tr("the serial port is not open"));
    const bool arrived = waitUntil(
        [this] {
            takeInput();
            return reader.hasFrame();
        },
        answerTimeoutMs);
    if (!arrived) {
        if (portLost())
            return failLost();
        return fail(Failure::NoAnswer,
                    tr("no answer from panel within %1 s").arg(seconds(answerTimeoutMs)));
    }
    const HdlcFrameReader::Frame frame = reader.takeFrame();
    if (!frame.valid)
        return fail(Failure::CorruptAnswer, frame.problem);
    answer = frame.payload;
    if (trace)
        trace->received(answer);
    return true;
}
