#include "images/WebServerImage.h"

#include <QTest>

class TestWebServerImage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void build_placesNumbersAndFlags();
    void decode_withoutMarkerOrShortChangesNothing_data();
    void decode_withoutMarkerOrShortChangesNothing();
};

namespace {

WebServerConfig sampleWeb() {
    WebServerConfig w;
    w.DHCP = 1;
    w.Login = 1;
    w.Language = 1;
    w.IP = 0xC0A80102;
    w.Gateway = 0xC0A80101;
    w.Netmask = 0xFFFFFF00;
    w.User = QStringLiteral("conserje");
    w.Pass = QStringLiteral("clave");
    return w;
}

SmtpConfig sampleSmtp() {
    SmtpConfig s;
    s.Enable = 1;
    s.Auth = 1;
    s.Port = 587;
    s.Mask = 3;
    s.Host = QStringLiteral("smtp.example");
    s.User = QStringLiteral("u");
    s.Password = QStringLiteral("p");
    s.SourceMail = QStringLiteral("alarmas");
    s.SourceDomain = QStringLiteral("a.example");
    s.DestMail = QStringLiteral("jefe");
    s.DestDomain = QStringLiteral("b.example");
    s.InstallId = QStringLiteral("Edificio Río");
    return s;
}

} // namespace

void TestWebServerImage::build_placesNumbersAndFlags() {
    const QByteArray image = WebServerImage::build(sampleWeb(), sampleSmtp());
    QCOMPARE(image.size(), 352);
    // marker, language, flags (DHCP, login, e-mail, authentication), IP, gateway, netmask,
    // port 587, mask, zeros
    QCOMPARE(image.left(32).toHex(' '),
             QByteArray::fromHex("5a5a010fc0a80102c0a80101ffffff00024b0003"
                                 "000000000000000000000000")
                 .toHex(' '));
    // Then ten zero-padded 32-byte texts: web user and password, server, user, password,
    // sender mailbox and domain, recipient mailbox and domain, installation.
    const char *const texts[] = {"conserje",  "clave",          "smtp.example", "u",
                                 "p",         "alarmas",        "a.example",    "jefe",
                                 "b.example", "Edificio R\xedo"};
    for (int k = 0; k < 10; ++k)
        QCOMPARE(image.mid(32 + 32 * k, 32), QByteArray(texts[k]).leftJustified(32, '\0'));

    WebServerConfig web;
    SmtpConfig smtp;
    QCOMPARE(WebServerImage::decode(image, web, smtp), WebServerImage::Decoded::Settings);
    QCOMPARE(web, sampleWeb());
    QCOMPARE(smtp, sampleSmtp());
}

void TestWebServerImage::decode_withoutMarkerOrShortChangesNothing_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<WebServerImage::Decoded>("result");
    QByteArray unmarked = WebServerImage::build(sampleWeb(), sampleSmtp());
    unmarked[1] = 'Y';
    QTest::newRow("no marker") << unmarked << WebServerImage::Decoded::NoMarker;
    QTest::newRow("erased panel") << QByteArray(352, '\0') << WebServerImage::Decoded::NoMarker;
    QTest::newRow("short image") << WebServerImage::build(sampleWeb(), sampleSmtp()).left(351)
                                 << WebServerImage::Decoded::TooShort;
}

void TestWebServerImage::decode_withoutMarkerOrShortChangesNothing() {
    QFETCH(QByteArray, image);
    QFETCH(WebServerImage::Decoded, result);
    WebServerConfig web;
    web.User = QStringLiteral("kept");
    SmtpConfig smtp;
    smtp.Port = 25;
    QCOMPARE(WebServerImage::decode(image, web, smtp), result);
    QCOMPARE(web.User, QStringLiteral("kept"));
    QCOMPARE(web.DHCP, quint8(1));
    QCOMPARE(smtp.Port, quint16(25));
}

QTEST_GUILESS_MAIN(TestWebServerImage)
#include "tst_webserverimage.moc"
