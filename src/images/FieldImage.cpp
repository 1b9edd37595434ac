#include "images/FieldImage.h"

#include "model/FieldTable.h"
#include "model/PanelConfiguration.h"

#include <algorithm>

namespace {

bool isIn(FieldImage::Image image, const FieldDescriptor &d) {
    return d.place.image == image && image != FieldImage::Image::None;
}

} // namespace

int FieldImage::extent(Image image) {
    int end = 0;
    for (const FieldDescriptor &d : FieldTable::all()) {
        if (isIn(image, d))
            end = std::max(end, d.place.offset + std::max(d.place.size, 1));
    }
    return end;
}

void FieldImage::put(Image image, const PanelConfiguration &from, QByteArray &bytes) {
    for (const FieldDescriptor &d : FieldTable::all()) {
        if (!isIn(image, d))
            continue;
        const FieldDescriptor::ImagePlace &at = d.place;
        if (d.isText()) {
            bytes.replace(at.offset, at.size, textField(d.text(from), at.size));
        } else if (at.size == 0) {
            if (d.number(from) != 0)
                bytes[at.offset] = char(quint8(bytes.at(at.offset)) | at.bit);
        } else {
            const quint64 value = quint64(d.number(from));
            for (int i = 0; i < at.size; ++i)
                bytes[at.offset + i] = char(value >> 8 * (at.size - 1 - i));
        }
    }
}

bool FieldImage::get(Image image, const QByteArray &bytes, PanelConfiguration &into) {
    if (bytes.size() < extent(image))
        return false;
    for (const FieldDescriptor &d : FieldTable::all()) {
        if (!isIn(image, d))
            continue;
        const FieldDescriptor::ImagePlace &at = d.place;
        if (d.isText()) {
            d.setText(into, readText(bytes.mid(at.offset, at.size)));
        } else if (at.size == 0) {
            d.setNumber(into, (quint8(bytes.at(at.offset)) & at.bit) ? 1 : 0);
        } else {
            quint64 value = 0;
            for (int i = 0; i < at.size; ++i)
                value = value << 8 | quint8(bytes.at(at.offset + i));
            d.setNumber(into, qint64(value));
        }
    }
    return true;
}

QList<FieldImage::Span> FieldImage::secrets(Image image) {
    QList<Span> spans;
    for (const FieldDescriptor &d : FieldTable::all()) {
        if (isIn(image, d) && d.kind == FieldDescriptor::Kind::Secret)
            spans.append({d.place.offset, d.place.size});
    }
    return spans;
}

QByteArray FieldImage::textField(const QString &text, int size) {
    QByteArray field(size, '\0');
    const qsizetype length = std::min<qsizetype>(text.size(), size);
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = text.at(i).unicode();
        field[i] = c <= 0xff ? char(c) : '\0';
    }
    return field;
}

QString FieldImage::readText(const QByteArray &field) {
    const qsizetype end = field.indexOf('\0');
    return QString::fromLatin1(end < 0 ? field : field.left(end));
}
