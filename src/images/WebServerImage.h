#pragma once

#include "model/SmtpConfig.h"
#include "model/WebServerConfig.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The web server and e-mail image, 352 bytes = table 7's 22 records: the "ZZ" marker,
// language, flag bits, addresses, SMTP port and mask, then ten 32-byte Latin-1 texts.
class WebServerImage {
public:
    static constexpr int Size = 352;
    static constexpr int TextSize = 32;
    static constexpr int FirstTextOffset = 32;
    static constexpr int WebPasswordOffset = 64;
    static constexpr int SmtpPasswordOffset = 160;

    struct Span {
        int offset;
        int size;
    };
    // Where the two passwords lie; traces and fingerprints must not carry them.
    static QList<Span> passwordFields() {
        return {{WebPasswordOffset, TextSize}, {SmtpPasswordOffset, TextSize}};
    }
    // The image with each password field zero when empty and all '*' when set.
    static QByteArray withoutPasswords(const QByteArray &image);

    enum class Decoded {
        Settings, // the model fields were replaced
        NoMarker, // a panel never configured: nothing changed
        TooShort, // nothing changed
    };

    static QByteArray build(const WebServerConfig &web, const SmtpConfig &smtp);
    static Decoded decode(const QByteArray &image, WebServerConfig &web, SmtpConfig &smtp);

    // Latin-1, at most 32 characters, zero padded; other characters become zero bytes.
    static QByteArray textField(const QString &text);
    // Up to the first zero byte, or all 32 bytes.
    static QString readText(const QByteArray &field);
};
