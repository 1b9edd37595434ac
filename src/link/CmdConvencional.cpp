#include "CmdConvencional.h"

#include "CommandCodec.h"

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
    const int attempts = policy == Policy::Resent ? 2 : 1;
    Failure failure = Failure::None;
    QString cause;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        QByteArray frame = request;
        QByteArray payload;
        if (!sendFrame(frame) || !receiveFrame(payload)) {
            if (policy == Policy::NotExamined)
                return true;
            failure = DriverSerieHdlc::failure();
            cause = errorString();
            if (failure == Failure::NoAnswer || failure == Failure::CorruptAnswer)
                continue;
            break;
        }
        if (policy == Policy::NotExamined)
            return true;
        const CommandCodec::Answer answer = CommandCodec::checkAnswer(payload, dataBytes);
        if (answer.accepted()) {
            if (data)
                *data = answer.data;
            return true;
        }
        cause = answer.problem;
        if (answer.verdict == CommandCodec::Answer::Verdict::Refused) {
            failure = Failure::Refused;
            break;
        }
        failure = Failure::CorruptAnswer;
    }
    if (attempts > 1 && (failure == Failure::NoAnswer || failure == Failure::CorruptAnswer))
        cause = tr("%1, also when sent again").arg(cause);
    return fail(failure, tr("%1 (%2)").arg(cause, CommandCodec::describe(request)));
}
