#include "link/CmdConvencional.h"

#include "link/CommandCodec.h"
#include "link/LinkAdvice.h"
#include "link/LinkTrace.h"

CmdConvencional::CmdConvencional(QObject *parent)
    : DriverSerieHdlc(parent) {}

bool CmdConvencional::eraseTable(quint8 table) {
    return exchange(CommandCodec::eraseTable(table), Policy::Resent, 0, nullptr);
}

bool CmdConvencional::writeRecord(quint8 table, quint8 record, const QByteArray &data) {
    const QByteArray request = CommandCodec::writeRecord(table, record, data);
    sent = false;
    if (request.isEmpty())
        return fail(Failure::Write, tr("record holds %1 bytes instead of %2 (write table %3 "
                                       "record %4)")
                                        .arg(data.size())
                                        .arg(CommandCodec::RecordSize)
                                        .arg(table)
                                        .arg(record));
    return exchange(request, Policy::Resent, 0, nullptr);
}

bool CmdConvencional::readRecord(quint8 table, quint8 record, QByteArray &data) {
    return exchange(CommandCodec::readRecord(table, record), Policy::Resent,
                    CommandCodec::RecordSize, &data);
}

bool CmdConvencional::beginUpload() {
    return exchange(CommandCodec::beginUpload(), Policy::NotExamined, 0, nullptr);
}

bool CmdConvencional::resetPanel() {
    return exchange(CommandCodec::resetPanel(), Policy::NotExamined, 0, nullptr);
}

bool CmdConvencional::completed(const QString &command) {
    lastCompleted = command;
    return true;
}

bool CmdConvencional::exchange(const QByteArray &request, Policy policy, int dataBytes,
                               QByteArray *data) {
    const QString command = CommandCodec::describe(request);
    Failure failure = Failure::None;
    QString cause;
    QString resend;
    int status = 0;
    int attempts = 0;
    int missing = 0;
    int corrupt = 0;
    sent = false;
    for (;;) {
        if (stopRequested()) {
            closePort();
            const QString where = attempts > 0 ? tr("stopped during %1: %2").arg(command, cause)
                                  : lastCompleted.isEmpty()
                                      ? tr("stopped before %1").arg(command)
                                      : tr("stopped after %1").arg(lastCompleted);
            return fail(
                Failure::Interrupted,
                LinkAdvice::withDetail(LinkAdvice::forFailure(Failure::Interrupted), where));
        }
        Q_EMIT exchangeStep(attempts == 0 ? LinkTrace::requestMeaning(request) : resend);
        ++attempts;
        QByteArray frame = request;
        QByteArray payload;
        const bool written = sendFrame(frame);
        sent = sent || frameLeft();
        if (!written) {
            failure = DriverSerieHdlc::failure();
            cause = errorString();
            break;
        }
        if (!receiveFrame(payload)) {
            failure = DriverSerieHdlc::failure();
            cause = errorString();
            if (failure == Failure::Port)
                break;
            if (policy == Policy::NotExamined)
                return completed(command);
        } else {
            if (policy == Policy::NotExamined)
                return completed(command);
            const CommandCodec::Answer answer = CommandCodec::checkAnswer(payload, dataBytes);
            if (answer.accepted()) {
                if (data)
                    *data = answer.data;
                return completed(command);
            }
            cause = answer.problem;
            status = answer.status;
            if (answer.verdict == CommandCodec::Answer::Verdict::Refused) {
                failure = Failure::Refused;
                break;
            }
            failure = Failure::CorruptAnswer;
        }
        // Silence gets one resend only, so that a panel that is off fails within two
        // answer deadlines.
        if (failure == Failure::NoAnswer) {
            ++missing;
            resend =
                tr("no answer, sending again (%1 of %2)").arg(missing).arg(MaxMissingAnswers - 1);
        } else {
            ++corrupt;
            resend =
                tr("damaged answer, sending again (%1 of %2)").arg(corrupt).arg(MaxAttempts - 1);
        }
        if (missing == MaxMissingAnswers || attempts == MaxAttempts)
            break;
    }
    const QString detail = attempts > 1
                               ? tr("%1 (%2, sent %3 times)").arg(cause, command).arg(attempts)
                               : tr("%1 (%2)").arg(cause, command);
    return fail(failure, LinkAdvice::withDetail(LinkAdvice::forFailure(failure, status), detail));
}
