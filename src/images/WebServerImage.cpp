#include "images/WebServerImage.h"

#include "model/PanelConfiguration.h"

namespace {

constexpr auto Web = FieldImage::Image::WebServer;
const char Marker[] = "ZZ";

} // namespace

QList<FieldImage::Span> WebServerImage::passwordFields() {
    return FieldImage::secrets(Web);
}

QByteArray WebServerImage::build(const WebServerConfig &web, const SmtpConfig &smtp) {
    PanelConfiguration from;
    from.webServer = web;
    from.smtp = smtp;
    QByteArray image(Size, '\0');
    image.replace(0, 2, Marker);
    FieldImage::put(Web, from, image);
    return image;
}

WebServerImage::Decoded WebServerImage::decode(const QByteArray &image, WebServerConfig &web,
                                               SmtpConfig &smtp) {
    if (image.size() < Size)
        return Decoded::TooShort;
    if (!image.startsWith(Marker))
        return Decoded::NoMarker;
    PanelConfiguration into;
    into.webServer = web;
    into.smtp = smtp;
    if (!FieldImage::get(Web, image, into))
        return Decoded::TooShort;
    web = into.webServer;
    smtp = into.smtp;
    return Decoded::Settings;
}

QByteArray WebServerImage::withoutPasswords(const QByteArray &image) {
    QByteArray out = image;
    for (const FieldImage::Span &span : passwordFields()) {
        if (out.size() < span.offset + span.size)
            continue;
        const bool set = out.at(span.offset) != '\0';
        out.replace(span.offset, span.size, QByteArray(span.size, set ? '*' : '\0'));
    }
    return out;
}
