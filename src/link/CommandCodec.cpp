#include "link/CommandCodec.h"

namespace {

QByteArray request(quint8 code) {
    QByteArray r(4, '\0');
    r[2] = 0x01;
    r[3] = char(code);
    return r;
}

} // namespace

QByteArray CommandCodec::eraseTable(quint8 table) {
    return request(EraseTable).append(char(table));
}

QByteArray CommandCodec::writeRecord(quint8 table, quint8 record, const QByteArray &data) {
    if (data.size() != RecordSize)
        return {};
    return request(WriteRecord).append(char(table)).append(char(record)).append(data);
}

QByteArray CommandCodec::readRecord(quint8 table, quint8 record) {
    return request(ReadRecord).append(char(table)).append(char(record));
}

QByteArray CommandCodec::beginUpload() {
    return request(BeginUpload).append('\0');
}

QByteArray CommandCodec::resetPanel() {
    return request(ResetPanel).append('\0');
}

QString CommandCodec::describe(const QByteArray &request) {
    if (request.size() < 4)
        return tr("unknown command");
    const int table = request.size() > 4 ? quint8(request.at(4)) : 0;
    const int record = request.size() > 5 ? quint8(request.at(5)) : 0;
    switch (quint8(request.at(3))) {
    case ResetPanel:
        return tr("reset panel");
    case EraseTable:
        return tr("erase table %1").arg(table);
    case WriteRecord:
        return tr("write table %1 record %2").arg(table).arg(record);
    case ReadRecord:
        return tr("read table %1 record %2").arg(table).arg(record);
    case BeginUpload:
        return tr("begin upload");
    default:
        return tr("command 0x%1").arg(quint8(request.at(3)), 2, 16, QLatin1Char('0'));
    }
}

CommandCodec::Answer CommandCodec::checkAnswer(const QByteArray &payload, int dataBytes) {
    Answer answer;
    if (payload.size() < AnswerHeadSize) {
        answer.problem = tr("answer has %1 bytes, fewer than the %2 of its head")
                             .arg(payload.size())
                             .arg(AnswerHeadSize);
        return answer;
    }
    answer.status = quint8(payload.at(3));
    if (answer.status != 0) {
        answer.verdict = Answer::Verdict::Refused;
        answer.problem = tr("panel refused with status %1").arg(answer.status);
        return answer;
    }
    const qsizetype carried = payload.size() - AnswerHeadSize;
    if (carried < dataBytes) {
        answer.problem =
            tr("answer carries %1 data bytes instead of %2").arg(carried).arg(dataBytes);
        return answer;
    }
    answer.verdict = Answer::Verdict::Accepted;
    answer.data = payload.mid(AnswerHeadSize, dataBytes);
    return answer;
}
