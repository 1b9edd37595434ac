#pragma once

#include <QLoggingCategory>

// Trace lines for the developers of this program ("Write Maneouver List", "Update Config
// Panel", ...), never meant for users: off unless a logging rule asks for them, e.g.
// QT_LOGGING_RULES="mrb500.internal.debug=true".
Q_DECLARE_LOGGING_CATEGORY(internalDiagnostics)
