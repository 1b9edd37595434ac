#pragma once

#include "images/FieldImage.h"
#include "model/SmtpConfig.h"
#include "model/WebServerConfig.h"

#include <QByteArray>
#include <QList>

// The web server and e-mail image, 352 bytes = table 7's 22 records: the "ZZ" marker,
// then the web server and e-mail settings where FieldTable places them, the rest zero.
class WebServerImage {
public:
    static constexpr int Size = 352;

    // Where the two passwords lie; traces and fingerprints must not carry them.
    static QList<FieldImage::Span> passwordFields();
    // The image with each password field zero when empty and all '*' when set.
    static QByteArray withoutPasswords(const QByteArray &image);

    enum class Decoded {
        Settings, // the model fields were replaced
        NoMarker, // a panel never configured: nothing changed
        TooShort, // nothing changed
    };

    static QByteArray build(const WebServerConfig &web, const SmtpConfig &smtp);
    static Decoded decode(const QByteArray &image, WebServerConfig &web, SmtpConfig &smtp);
};
