#pragma once

#include <QJsonObject>

class PanelConfiguration;
struct GeneralConfig;
struct SmtpConfig;
struct WebServerConfig;

// The whole model as one JSON object, with the model's field names. Other tools parse
// it: the keys are a contract, neither renamed nor added to.
class ConfigurationJson {
public:
    static QJsonObject toJson(const PanelConfiguration &core);
    // The objects it holds for these records.
    static QJsonObject toJson(const GeneralConfig &g);
    static QJsonObject toJson(const WebServerConfig &w);
    static QJsonObject toJson(const SmtpConfig &s);
};
