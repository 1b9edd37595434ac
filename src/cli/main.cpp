#include "cli/Mrb500Ctl.h"

#include "model/ProductInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <memory>

namespace {

// Start-up remarks of the GUI layer (no runtime folder, and the like) are no failure of
// the command; they appear with --verbose only, like the other diagnostics.
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

int main(int argc, char *argv[]) {
    // Only the report paints (fonts need a GUI application); it never opens a window, so
    // it needs no display either.
    bool paints = false;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        paints = paints || std::strcmp(argv[i], "report") == 0;
        verbose = verbose || std::strcmp(argv[i], "--verbose") == 0;
    }
    std::unique_ptr<QCoreApplication> app;
    if (paints) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!verbose)
            qInstallMessageHandler(quiet);
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("mrb500ctl"));
    QCoreApplication::setApplicationVersion(ProductInfo::version());
    Mrb500Ctl ctl;
    return ctl.run(QCoreApplication::arguments());
}
