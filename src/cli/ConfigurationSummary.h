#pragma once

#include <QCoreApplication>
#include <QString>

class PanelConfiguration;

// A person's view of a configuration: what `mrb500ctl show` prints. Passwords are only
// ever said to be set or not set.
class ConfigurationSummary {
    Q_DECLARE_TR_FUNCTIONS(ConfigurationSummary)

public:
    static QString text(const PanelConfiguration &core);
};
