#include "images/WebServerImage.h"

#include <QTest>

class TestWebServerImage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void build_placesNumbersAndFlags();
    void flags_readBackAsOnOrOff_data();
    void flags_readBackAsOnOrOff();
    void texts_fillFixedLatin1Fields_data();
    void texts_fillFixedLatin1Fields();
    void decode_withoutMarkerOrShortChangesNothing_data();
    void decode_withoutMarkerOrShortChangesNothing();
};

namespace {

WebServerConfig sampleWeb() {
    WebServerConfig w;
    w.DHCP = 1;
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
    // marker, language, flags (DHCP only), IP, gateway, netmask, port 587, mask, zeros
    QCOMPARE(image.left(32).toHex(' '),
             QByteArray::fromHex("5a5a0101c0a80102c0a80101ffffff00024b0003"
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

void TestWebServerImage::flags_readBackAsOnOrOff_data() {
    QTest::addColumn<int>("dhcp");
    QTest::addColumn<int>("login");
    QTest::addColumn<int>("enable");
    QTest::addColumn<int>("auth");
    QTest::addColumn<int>("flags");
    QTest::newRow("login only") << 0 << 1 << 0 << 0 << 0x02;
    QTest::newRow("mail only") << 0 << 0 << 1 << 0 << 0x04;
    QTest::newRow("auth 2 is bit 3") << 0 << 0 << 0 << 2 << 0x08;
    QTest::newRow("DHCP 5 is bit 0") << 5 << 1 << 1 << 1 << 0x0f;
}

void TestWebServerImage::flags_readBackAsOnOrOff() {
    QFETCH(int, dhcp);
    QFETCH(int, login);
    QFETCH(int, enable);
    QFETCH(int, auth);
    QFETCH(int, flags);
    WebServerConfig web;
    web.DHCP = quint8(dhcp);
    web.Login = quint8(login);
    SmtpConfig smtp;
    smtp.Enable = quint8(enable);
    smtp.Auth = quint8(auth);
    const QByteArray image = WebServerImage::build(web, smtp);
    QCOMPARE(int(quint8(image.at(3))), flags);
    WebServerConfig webBack;
    SmtpConfig smtpBack;
    WebServerImage::decode(image, webBack, smtpBack);
    QCOMPARE(int(webBack.DHCP), dhcp ? 1 : 0);
    QCOMPARE(int(webBack.Login), login ? 1 : 0);
    QCOMPARE(int(smtpBack.Enable), enable ? 1 : 0);
    QCOMPARE(int(smtpBack.Auth), auth ? 1 : 0);
}

void TestWebServerImage::texts_fillFixedLatin1Fields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("readBack");
    const QString full32 = QString(32, QLatin1Char('u'));
    QTest::newRow("empty") << QString() << QByteArray(32, '\0') << QString();
    QTest::newRow("exactly 32, no terminator") << full32 << QByteArray(32, 'u') << full32;
    QTest::newRow("40 cut to 32") << QString(40, QLatin1Char('u')) << QByteArray(32, 'u') << full32;
    QTest::newRow("Latin-1 accent")
        << QStringLiteral("Río") << QByteArray("R\xedo").leftJustified(32, '\0')
        << QStringLiteral("Río");
    QTest::newRow("outside Latin-1 ends the text")
        << QStringLiteral("ab€cd") << QByteArray("ab\0cd", 5).leftJustified(32, '\0')
        << QStringLiteral("ab");
}

void TestWebServerImage::texts_fillFixedLatin1Fields() {
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QFETCH(QString, readBack);
    QCOMPARE(FieldImage::textField(text).toHex(' '), field.toHex(' '));
    WebServerConfig web;
    web.User = text;
    WebServerConfig webBack;
    SmtpConfig smtpBack;
    WebServerImage::decode(WebServerImage::build(web, SmtpConfig()), webBack, smtpBack);
    QCOMPARE(webBack.User, readBack);
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
