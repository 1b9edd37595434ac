#pragma once

#include <QJsonObject>

class PanelConfiguration;

// The whole model as one JSON object, with the model's field names. Other tools parse
// it: the keys are a contract, neither renamed nor added to.
class ConfigurationJson {
public:
    static QJsonObject toJson(const PanelConfiguration &core);
};
