#include "model/InternalDiagnostics.h"

Q_LOGGING_CATEGORY(internalDiagnostics, "mrb500.internal", QtWarningMsg)
