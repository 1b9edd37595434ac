// Feeds arbitrary bytes, split at arbitrary points, to the incremental frame reader and
// checks every frame as an answer. The frames must not depend on how the bytes were
// split, and every valid frame must survive encoding and reading again.
#include "link/CommandCodec.h"
#include "link/HdlcCodec.h"
#include "link/HdlcFrameReader.h"

#include <QList>

#include <cstdlib>

namespace {

QList<HdlcFrameReader::Frame> readAll(HdlcFrameReader &reader) {
    QList<HdlcFrameReader::Frame> frames;
    while (reader.hasFrame())
        frames.append(reader.takeFrame());
    return frames;
}

bool same(const HdlcFrameReader::Frame &a, const HdlcFrameReader::Frame &b) {
    return a.valid == b.valid && a.payload == b.payload && a.problem == b.problem;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1)
        return 0;
    const unsigned step = data[0] % 7 + 1; // piece length pattern
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    HdlcFrameReader whole;
    whole.append(bytes);
    const QList<HdlcFrameReader::Frame> expected = readAll(whole);

    HdlcFrameReader pieces;
    QList<HdlcFrameReader::Frame> got;
    for (qsizetype at = 0, n = 0; at < bytes.size(); at += n) {
        n = qsizetype((at / step) % 5 + 1);
        pieces.append(bytes.mid(at, n));
        got += readAll(pieces);
    }
    if (got.size() != expected.size())
        std::abort();
    for (qsizetype i = 0; i < got.size(); ++i) {
        if (!same(got.at(i), expected.at(i)))
            std::abort();
        const HdlcFrameReader::Frame &frame = got.at(i);
        if (!frame.valid)
            continue;
        for (int dataBytes : {0, CommandCodec::RecordSize}) {
            const CommandCodec::Answer answer = CommandCodec::checkAnswer(frame.payload, dataBytes);
            if (answer.accepted() && answer.data.size() != dataBytes)
                std::abort();
            if (!answer.accepted() && answer.problem.isEmpty())
                std::abort();
        }
        HdlcFrameReader again;
        again.append(HdlcCodec::encodeFrame(frame.payload));
        const HdlcFrameReader::Frame back = again.takeFrame();
        if (!back.valid || back.payload != frame.payload)
            std::abort();
    }
    return 0;
}
