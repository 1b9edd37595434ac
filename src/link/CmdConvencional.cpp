#include "CmdConvencional.h"

#include "CommandCodec.h"
#include "LinkAdvice.h"

CmdConvencional::CmdConvencional(QObject *parent)
    : DriverSerieHdlc(parent) {}

bool CmdConvencional::eraseTable(quint8 table) {
    return exchange(CommandCodec::eraseTable(table), Policy::Resent, 0, nullptr);
}

bool CmdConvencional::writeRecord(quint8 table, quint8 record, const QByteArray &data) {
    const QByteArray request = CommandCodec::writeRecord(table, record, data);
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

bool CmdConvencional::exchange(const QByteArray &request, Policy policy, int dataBytes,
                               QByteArray *data) {
    Failure failure = Failure::None;
    QString cause;
    int status = 0;
    int attempts = 0;
    int missing = 0;
    for (;;) {
        ++attempts;
        QByteArray frame = request;
        QByteArray payload;
        if (!sendFrame(frame)) {
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
                return true;
        } else {
            if (policy == Policy::NotExamined)
                return true;
            const CommandCodec::Answer answer = CommandCodec::checkAnswer(payload, dataBytes);
            if (answer.accepted()) {
                if (data)
                    *data = answer.data;
                return true;
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
        missing += failure == Failure::NoAnswer ? 1 : 0;
        if (missing == MaxMissingAnswers || attempts == MaxAttempts)
            break;
    }
    const QString command = CommandCodec::describe(request);
    const QString detail = attempts > 1
                               ? tr("%1 (%2, sent %3 times)").arg(cause, command).arg(attempts)
                               : tr("%1 (%2)").arg(cause, command);
    return fail(failure, LinkAdvice::withDetail(LinkAdvice::forFailure(failure, status), detail));
}
