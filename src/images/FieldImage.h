#pragma once

#include "model/FieldDescriptor.h"

#include <QByteArray>
#include <QList>
#include <QString>

class PanelConfiguration;

// The settings an image keeps, placed in its bytes as their descriptors say: numbers
// big-endian, flags as bits, texts in zero-padded Latin-1 fields.
class FieldImage {
public:
    using Image = FieldDescriptor::ImagePlace::Image;

    struct Span {
        int offset;
        int size;
    };

    // The bytes from the start of the image that its settings occupy.
    static int extent(Image image);
    // Writes every setting `image` keeps into `bytes`, which holds at least extent() bytes;
    // a flag only sets its bit.
    static void put(Image image, const PanelConfiguration &from, QByteArray &bytes);
    // Reads every setting `image` keeps; false, leaving `into` alone, when `bytes` is
    // shorter than extent().
    static bool get(Image image, const QByteArray &bytes, PanelConfiguration &into);
    // Where the secrets lie: traces and fingerprints must not carry them.
    static QList<Span> secrets(Image image);

    // Latin-1, at most `size` characters, zero padded; other characters become zero bytes.
    static QByteArray textField(const QString &text, int size = FieldDescriptor::TextSize);
    // Up to the first zero byte, or the whole field.
    static QString readText(const QByteArray &field);
};
