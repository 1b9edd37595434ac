#pragma once

#include <QJsonObject>

class PanelCore;

// The whole model as one JSON object, with the model's field names. Other tools parse
// it: keys are only ever added, never renamed.
class ConfigurationJson {
public:
    static QJsonObject toJson(const PanelCore &core);
};
