#include "images/WebServerImage.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

constexpr int LanguageOffset = 2;
constexpr int FlagsOffset = 3;
constexpr int IpOffset = 4;
constexpr int GatewayOffset = 8;
constexpr int NetmaskOffset = 12;
constexpr int PortOffset = 16;
constexpr int MaskOffset = 18;

enum Flag : quint8 { Dhcp = 1, Login = 2, MailEnabled = 4, MailAuth = 8 };

const char Marker[] = "ZZ";

// The text fields in image order.
template <typename Web, typename Smtp> auto texts(Web &web, Smtp &smtp) {
    return std::array{&web.User,        &web.Pass,        &smtp.Host,         &smtp.User,
                      &smtp.Password,   &smtp.SourceMail, &smtp.SourceDomain, &smtp.DestMail,
                      &smtp.DestDomain, &smtp.InstallId};
}

template <typename T> void put(QByteArray &image, int offset, T value) {
    qToBigEndian(value, image.data() + offset);
}

template <typename T> T get(const QByteArray &image, int offset) {
    return qFromBigEndian<T>(image.constData() + offset);
}

} // namespace

QByteArray WebServerImage::textField(const QString &text) {
    QByteArray field(TextSize, '\0');
    const qsizetype length = std::min<qsizetype>(text.size(), TextSize);
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = text.at(i).unicode();
        field[i] = c <= 0xff ? char(c) : '\0';
    }
    return field;
}

QString WebServerImage::readText(const QByteArray &field) {
    const qsizetype end = field.indexOf('\0');
    return QString::fromLatin1(end < 0 ? field : field.left(end));
}

QByteArray WebServerImage::build(const WebServerConfig &web, const SmtpConfig &smtp) {
    QByteArray image(Size, '\0');
    image.replace(0, 2, Marker);
    image[LanguageOffset] = char(web.Language);
    quint8 flags = 0;
    flags |= web.DHCP ? Dhcp : 0;
    flags |= web.Login ? Login : 0;
    flags |= smtp.Enable ? MailEnabled : 0;
    flags |= smtp.Auth ? MailAuth : 0;
    image[FlagsOffset] = char(flags);
    put<quint32>(image, IpOffset, web.IP);
    put<quint32>(image, GatewayOffset, web.Gateway);
    put<quint32>(image, NetmaskOffset, web.Netmask);
    put<quint16>(image, PortOffset, smtp.Port);
    put<quint16>(image, MaskOffset, smtp.Mask);
    int offset = FirstTextOffset;
    for (const QString *text : texts(web, smtp)) {
        image.replace(offset, TextSize, textField(*text));
        offset += TextSize;
    }
    return image;
}

WebServerImage::Decoded WebServerImage::decode(const QByteArray &image, WebServerConfig &web,
                                               SmtpConfig &smtp) {
    if (image.size() < Size)
        return Decoded::TooShort;
    if (!image.startsWith(Marker))
        return Decoded::NoMarker;
    const quint8 flags = quint8(image.at(FlagsOffset));
    web.Language = quint8(image.at(LanguageOffset));
    web.DHCP = flags & Dhcp ? 1 : 0;
    web.Login = flags & Login ? 1 : 0;
    smtp.Enable = flags & MailEnabled ? 1 : 0;
    smtp.Auth = flags & MailAuth ? 1 : 0;
    web.IP = get<quint32>(image, IpOffset);
    web.Gateway = get<quint32>(image, GatewayOffset);
    web.Netmask = get<quint32>(image, NetmaskOffset);
    smtp.Port = get<quint16>(image, PortOffset);
    smtp.Mask = get<quint16>(image, MaskOffset);
    int offset = FirstTextOffset;
    for (QString *text : texts(web, smtp)) {
        *text = readText(image.mid(offset, TextSize));
        offset += TextSize;
    }
    return Decoded::Settings;
}

QByteArray WebServerImage::withoutPasswords(const QByteArray &image) {
    QByteArray out = image;
    for (const Span &span : passwordFields()) {
        if (out.size() < span.offset + span.size)
            continue;
        const bool set = out.at(span.offset) != '\0';
        out.replace(span.offset, span.size, QByteArray(span.size, set ? '*' : '\0'));
    }
    return out;
}
