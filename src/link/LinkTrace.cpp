#include "link/LinkTrace.h"

#include "images/PanelMemoryMap.h"
#include "images/WebServerImage.h"
#include "link/CommandCodec.h"
#include "model/FieldTable.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr int RequestDataOffset = 6; // 00 00 01 code table record, then the record
constexpr int RequestTableOffset = 4;

bool isRecordCommand(const QByteArray &request, quint8 code) {
    return request.size() > RequestTableOffset + 1 && quint8(request.at(3)) == code;
}

// Which bytes of record `record` of table `table` hold a password.
QByteArray hiddenInRecord(int table, int record) {
    QByteArray hidden(PanelMemoryMap::RecordSize, '\0');
    if (table != PanelMemoryMap::WebServerTable)
        return hidden;
    const int first = record * PanelMemoryMap::RecordSize;
    for (const FieldImage::Span &span : WebServerImage::passwordFields()) {
        for (int i = 0; i < PanelMemoryMap::RecordSize; ++i) {
            const int at = first + i;
            if (at >= span.offset && at < span.offset + span.size)
                hidden[i] = 1;
        }
    }
    return hidden;
}

QByteArray hiddenAt(qsizetype size, qsizetype offset, const QByteArray &recordHidden) {
    QByteArray hidden(size, '\0');
    for (qsizetype i = 0; i < recordHidden.size() && offset + i < size; ++i)
        hidden[offset + i] = recordHidden.at(i);
    return hidden;
}

// What part of the configuration a record carries.
QString content(int table, int record) {
    using namespace PanelMemoryMap;
    if (table == SimpleManeuverTable)
        return LinkTrace::tr("simple maneuvers");
    if (table >= FirstLogicTable && table < GeneralTable)
        return LinkTrace::tr("logic maneuvers");
    if (table == GeneralTable)
        return record == GeneralRecord ? LinkTrace::tr("general options")
                                       : LinkTrace::tr("general table, not interpreted");
    if (table != WebServerTable)
        return {};
    // The settings within the record; a record that holds several is not told apart.
    const int first = record * RecordSize;
    QList<const FieldDescriptor *> held;
    for (const FieldDescriptor &d : FieldTable::all()) {
        const FieldDescriptor::ImagePlace &at = d.place;
        if (at.image == FieldDescriptor::ImagePlace::Image::WebServer &&
            at.offset < first + RecordSize && at.offset + std::max(at.size, 1) > first)
            held << &d;
    }
    if (held.size() > 1)
        return LinkTrace::tr("web and e-mail settings");
    if (held.isEmpty())
        return {};
    // The label starts a sentence; here it follows "table 7 record 4: ".
    QString label = held.first()->labelText();
    label.replace(0, 1, label.left(1).toLower());
    return held.first()->kind == FieldDescriptor::Kind::Secret
               ? LinkTrace::tr("%1, hidden").arg(label)
               : label;
}

QString withContent(const QByteArray &request) {
    const QString what = CommandCodec::describe(request);
    if (request.size() <= RequestTableOffset + 1)
        return what;
    const quint8 code = quint8(request.at(3));
    if (code != CommandCodec::WriteRecord && code != CommandCodec::ReadRecord)
        return what;
    const QString part = content(quint8(request.at(4)), quint8(request.at(5)));
    return part.isEmpty() ? what : LinkTrace::tr("%1: %2").arg(what, part);
}

} // namespace

QByteArray LinkTrace::hiddenInRequest(const QByteArray &request) {
    if (!isRecordCommand(request, CommandCodec::WriteRecord))
        return QByteArray(request.size(), '\0');
    return hiddenAt(request.size(), RequestDataOffset,
                    hiddenInRecord(quint8(request.at(4)), quint8(request.at(5))));
}

QByteArray LinkTrace::hiddenInAnswer(const QByteArray &request, const QByteArray &answer) {
    if (!isRecordCommand(request, CommandCodec::ReadRecord))
        return QByteArray(answer.size(), '\0');
    // Hidden to the end of the answer too: bytes beyond the record are not the panel's
    // business, but they could still be a copy of it.
    QByteArray hidden = hiddenAt(answer.size(), CommandCodec::AnswerHeadSize,
                                 hiddenInRecord(quint8(request.at(4)), quint8(request.at(5))));
    if (hidden.contains('\1')) {
        for (qsizetype i = CommandCodec::AnswerHeadSize + PanelMemoryMap::RecordSize;
             i < hidden.size(); ++i)
            hidden[i] = 1;
    }
    return hidden;
}

QString LinkTrace::requestMeaning(const QByteArray &request) {
    return withContent(request);
}

QString LinkTrace::answerMeaning(const QByteArray &request, const QByteArray &answer) {
    const bool read = isRecordCommand(request, CommandCodec::ReadRecord);
    const CommandCodec::Answer checked =
        CommandCodec::checkAnswer(answer, read ? CommandCodec::RecordSize : 0);
    const QString verdict = checked.accepted() ? tr("accepted") : checked.problem;
    return tr("answer to %1: %2").arg(withContent(request), verdict);
}

void LinkTrace::start(const QString &transfer) {
    title = transfer;
    started = QDateTime::currentDateTime();
    list.clear();
    lastRequest.clear();
}

void LinkTrace::add(Direction direction, const QByteArray &bytes, const QByteArray &hidden,
                    const QString &meaning) {
    Entry entry;
    entry.time = QDateTime::currentDateTime();
    entry.elapsedMs = started.isValid() ? started.msecsTo(entry.time) : 0;
    entry.direction = direction;
    entry.bytes = bytes;
    entry.hidden = hidden;
    for (qsizetype i = 0; i < hidden.size() && i < entry.bytes.size(); ++i) {
        if (hidden.at(i))
            entry.bytes[i] = '\0';
    }
    entry.meaning = meaning;
    list.append(entry);
}

void LinkTrace::sent(const QByteArray &request) {
    add(Direction::Sent, request, hiddenInRequest(request), requestMeaning(request));
    lastRequest = list.last().bytes;
}

void LinkTrace::received(const QByteArray &answer) {
    add(Direction::Received, answer, hiddenInAnswer(lastRequest, answer),
        answerMeaning(lastRequest, answer));
}

void LinkTrace::problem(const QString &what) {
    add(Direction::Problem, {}, {}, what);
}

QString LinkTrace::hex(const Entry &entry) {
    QStringList bytes;
    for (qsizetype i = 0; i < entry.bytes.size(); ++i) {
        const bool hide = i < entry.hidden.size() && entry.hidden.at(i);
        bytes << (hide ? QStringLiteral("**")
                       : QStringLiteral("%1").arg(quint8(entry.bytes.at(i)), 2, 16,
                                                  QLatin1Char('0')));
    }
    return bytes.join(QLatin1Char(' '));
}

QString LinkTrace::toText() const {
    QString text = tr("# %1, started %2; %3 entries; password bytes shown as **")
                       .arg(title, started.toString(Qt::ISODateWithMs))
                       .arg(list.size()) +
                   QLatin1Char('\n');
    for (const Entry &e : list) {
        const QString direction = e.direction == Direction::Sent       ? tr("sent")
                                  : e.direction == Direction::Received ? tr("received")
                                                                       : tr("problem");
        text += QStringLiteral("%1\t+%2 ms\t%3\t%4\t%5\n")
                    .arg(e.time.toString(QStringLiteral("HH:mm:ss.zzz")))
                    .arg(e.elapsedMs)
                    .arg(direction, hex(e), e.meaning);
    }
    return text;
}
