#include "model/FieldTable.h"

#include "model/ConfigurationFields.h"
#include "model/PanelConfiguration.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <type_traits>

namespace {

using Kind = FieldDescriptor::Kind;
using Area = ConfigurationField::Area;
using Image = FieldDescriptor::ImagePlace::Image;
using Place = FieldDescriptor::ImagePlace;

// The member that `Path`, one member pointer after another, leads to from `object`.
template <auto First, auto... Rest, typename Object> decltype(auto) at(Object &object) {
    if constexpr (sizeof...(Rest) == 0)
        return (object.*First);
    else
        return at<Rest...>(object.*First);
}

// The accessors of the member at the end of `Path`, from a configuration.
template <auto... Path> FieldDescriptor::Member member() {
    using Value =
        std::remove_reference_t<decltype(at<Path...>(std::declval<PanelConfiguration &>()))>;
    FieldDescriptor::Member m;
    if constexpr (std::is_same_v<Value, QString>) {
        m.text = [](const PanelConfiguration &c) -> const QString & {
            return at<Path...>(c);
        };
        m.setText = [](PanelConfiguration &c, const QString &v) {
            at<Path...>(c) = v;
        };
    } else {
        m.minimum = std::numeric_limits<Value>::min();
        m.maximum = std::numeric_limits<Value>::max();
        m.number = [](const PanelConfiguration &c) {
            return qint64(at<Path...>(c));
        };
        m.setNumber = [](PanelConfiguration &c, qint64 v) {
            at<Path...>(c) = Value(v);
        };
    }
    return m;
}

template <auto Member> FieldDescriptor::Member general() {
    return member<&PanelConfiguration::generalConfig, Member>();
}
template <auto Member> FieldDescriptor::Member web() {
    return member<&PanelConfiguration::webServer, Member>();
}
template <auto Member> FieldDescriptor::Member smtp() {
    return member<&PanelConfiguration::smtp, Member>();
}

constexpr Place nowhere() {
    return {};
}
constexpr Place inGeneralRecord(int offset, int size) {
    return {Image::GeneralRecord, offset, size, 0};
}
constexpr Place inWebImage(int offset, int size) {
    return {Image::WebServer, offset, size, 0};
}
constexpr int WebFlagsOffset = 3;
constexpr Place webFlag(quint8 bit) {
    return {Image::WebServer, WebFlagsOffset, 0, bit};
}
constexpr int TextSize = FieldDescriptor::TextSize;

// How people read some numbers; translated where the other values of the fields are.
QString seconds(qint64 delay) {
    return ConfigurationFields::tr("%1 s").arg(delay / double(GeneralConfig::DelayUnitsPerSecond));
}

QString sounders(qint64 mask) {
    QStringList which;
    if (mask & GeneralConfig::Sounder1Bit)
        which << ConfigurationFields::tr("sounder 1");
    if (mask & GeneralConfig::Sounder2Bit)
        which << ConfigurationFields::tr("sounder 2");
    return which.isEmpty() ? ConfigurationFields::tr("none") : which.join(QStringLiteral(", "));
}

QString webLanguage(qint64 index) {
    return index == 0   ? ConfigurationFields::tr("Spanish")
           : index == 1 ? ConfigurationFields::tr("English")
                        : QString::number(index);
}

QString authentication(qint64 index) {
    return index ? ConfigurationFields::tr("password") : ConfigurationFields::tr("plain");
}

QString mailedEvents(qint64 mask) {
    QStringList mailed;
    if (mask & SmtpConfig::AlarmsBit)
        mailed << ConfigurationFields::tr("alarms");
    if (mask & SmtpConfig::FaultsBit)
        mailed << ConfigurationFields::tr("faults");
    return mailed.isEmpty() ? ConfigurationFields::tr("none") : mailed.join(QStringLiteral(", "));
}

std::vector<FieldDescriptor> table() {
    // clang-format off
    return {
        {"GeneralConfig", "num_zones", 0, Kind::Number,
         QT_TRANSLATE_NOOP("FieldTable", "Number of zones"), Area::Zones,
         nowhere(), member<&PanelConfiguration::num_zones>()},

        {"GeneralConfig", "confirmation_general_mode", 1, Kind::Flag,
         QT_TRANSLATE_NOOP("FieldTable", "Alarm confirmation"), Area::General,
         inGeneralRecord(0, 1), general<&GeneralConfig::confirmation_general_mode>()},
        {"GeneralConfig", "delay_confirmation", 3, Kind::Number,
         QT_TRANSLATE_NOOP("FieldTable", "Confirmation delay"), Area::General,
         inGeneralRecord(2, 2), general<&GeneralConfig::delay_confirmation>(), seconds},
        {"GeneralConfig", "short_general_mode", 2, Kind::Flag,
         QT_TRANSLATE_NOOP("FieldTable", "Short circuit counts as alarm"), Area::General,
         inGeneralRecord(1, 1), general<&GeneralConfig::short_general_mode>()},
        {"GeneralConfig", "cancel_delay", 4, Kind::BitMask,
         QT_TRANSLATE_NOOP("FieldTable", "Sounder delay cancelled by a second alarm"),
         Area::General, inGeneralRecord(4, 1), general<&GeneralConfig::cancel_delay>(),
         sounders},
        {"GeneralConfig", "cancel_MCP_delay", 5, Kind::BitMask,
         QT_TRANSLATE_NOOP("FieldTable", "Sounder delay cancelled by a manual call point"),
         Area::General, inGeneralRecord(5, 1), general<&GeneralConfig::cancel_MCP_delay>(),
         sounders},

        {"WebServer", "Language", 6, Kind::Number,
         QT_TRANSLATE_NOOP("FieldTable", "Web language"), Area::WebServer,
         inWebImage(2, 1), web<&WebServerConfig::Language>(), webLanguage},
        {"WebServer", "DHCP", 7, Kind::Flag,
         QT_TRANSLATE_NOOP("FieldTable", "Address by DHCP"), Area::WebServer,
         webFlag(0x01), web<&WebServerConfig::DHCP>(), nullptr, true},
        {"WebServer", "IP", 8, Kind::Address,
         QT_TRANSLATE_NOOP("FieldTable", "IP address"), Area::WebServer,
         inWebImage(4, 4), web<&WebServerConfig::IP>()},
        {"WebServer", "Netmask", 10, Kind::Address,
         QT_TRANSLATE_NOOP("FieldTable", "Net mask"), Area::WebServer,
         inWebImage(12, 4), web<&WebServerConfig::Netmask>()},
        {"WebServer", "Gateway", 9, Kind::Address,
         QT_TRANSLATE_NOOP("FieldTable", "Gateway"), Area::WebServer,
         inWebImage(8, 4), web<&WebServerConfig::Gateway>()},
        {"WebServer", "Login", 11, Kind::Flag,
         QT_TRANSLATE_NOOP("FieldTable", "Web login"), Area::WebServer,
         webFlag(0x02), web<&WebServerConfig::Login>(), nullptr, true},
        {"WebServer", "User", 12, Kind::Text,
         QT_TRANSLATE_NOOP("FieldTable", "Web user"), Area::WebServer,
         inWebImage(32, TextSize), web<&WebServerConfig::User>()},
        {"WebServer", "Pass", 13, Kind::Secret,
         QT_TRANSLATE_NOOP("FieldTable", "Web password"), Area::WebServer,
         inWebImage(64, TextSize), web<&WebServerConfig::Pass>()},

        {"SMTP", "Enable", 14, Kind::Flag,
         QT_TRANSLATE_NOOP("FieldTable", "Send e-mails"), Area::Email,
         webFlag(0x04), smtp<&SmtpConfig::Enable>()},
        {"SMTP", "InstallId", 15, Kind::Text,
         QT_TRANSLATE_NOOP("FieldTable", "Installation name"), Area::Email,
         inWebImage(320, TextSize), smtp<&SmtpConfig::InstallId>()},
        {"SMTP", "Host", 16, Kind::Text,
         QT_TRANSLATE_NOOP("FieldTable", "E-mail server"), Area::Email,
         inWebImage(96, TextSize), smtp<&SmtpConfig::Host>()},
        {"SMTP", "Port", 17, Kind::Number,
         QT_TRANSLATE_NOOP("FieldTable", "E-mail server port"), Area::Email,
         inWebImage(16, 2), smtp<&SmtpConfig::Port>()},
        {"SMTP", "Auth", 20, Kind::Flag,
         QT_TRANSLATE_NOOP("FieldTable", "Authentication"), Area::Email,
         webFlag(0x08), smtp<&SmtpConfig::Auth>(), authentication},
        {"SMTP", "User", 18, Kind::Text,
         QT_TRANSLATE_NOOP("FieldTable", "E-mail user"), Area::Email,
         inWebImage(128, TextSize), smtp<&SmtpConfig::User>()},
        {"SMTP", "Password", 19, Kind::Secret,
         QT_TRANSLATE_NOOP("FieldTable", "E-mail password"), Area::Email,
         inWebImage(160, TextSize), smtp<&SmtpConfig::Password>()},
        {"SMTP", "Mask", 21, Kind::BitMask,
         QT_TRANSLATE_NOOP("FieldTable", "Events mailed"), Area::Email,
         inWebImage(18, 2), smtp<&SmtpConfig::Mask>(), mailedEvents},
        {"SMTP", "SourceMail", 22, Kind::Mailbox,
         QT_TRANSLATE_NOOP("FieldTable", "Sender mailbox"), Area::Email,
         inWebImage(192, TextSize), smtp<&SmtpConfig::SourceMail>()},
        {"SMTP", "SourceDomain", 23, Kind::Domain,
         QT_TRANSLATE_NOOP("FieldTable", "Sender domain"), Area::Email,
         inWebImage(224, TextSize), smtp<&SmtpConfig::SourceDomain>()},
        {"SMTP", "DestMail", 24, Kind::Mailbox,
         QT_TRANSLATE_NOOP("FieldTable", "Recipient mailbox"), Area::Email,
         inWebImage(256, TextSize), smtp<&SmtpConfig::DestMail>()},
        {"SMTP", "DestDomain", 25, Kind::Domain,
         QT_TRANSLATE_NOOP("FieldTable", "Recipient domain"), Area::Email,
         inWebImage(288, TextSize), smtp<&SmtpConfig::DestDomain>()},
    };
    // clang-format on
}

} // namespace

const std::vector<FieldDescriptor> &FieldTable::all() {
    static const std::vector<FieldDescriptor> fields = table();
    return fields;
}

const FieldDescriptor *FieldTable::find(QAnyStringView element, QAnyStringView attribute) {
    for (const FieldDescriptor &d : all()) {
        if (element == QLatin1String(d.element) && attribute == QLatin1String(d.attribute))
            return &d;
    }
    return nullptr;
}

bool FieldTable::hasElement(QAnyStringView element) {
    return std::any_of(all().cbegin(), all().cend(), [element](const FieldDescriptor &d) {
        return element == QLatin1String(d.element);
    });
}

QList<const FieldDescriptor *> FieldTable::inFileOrder() {
    QList<const FieldDescriptor *> order;
    for (const FieldDescriptor &d : all())
        order << &d;
    std::sort(order.begin(), order.end(), [](const FieldDescriptor *a, const FieldDescriptor *b) {
        return a->filePosition < b->filePosition;
    });
    return order;
}
