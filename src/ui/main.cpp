#include "model/ProductInfo.h"
#include "ui/MyMainWindow.h"
#include "ui/WindowSettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSplashScreen>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int SplashMilliseconds = 1500;
}

int main(int argc, char *argv[]) {
    // Also where QSettings keeps what the window remembers.
    QCoreApplication::setOrganizationName(QStringLiteral("mrb500"));
    QCoreApplication::setApplicationName(QStringLiteral("mrb500-configurator"));
    QCoreApplication::setApplicationVersion(ProductInfo::version());
    QString portName;
    QString file;
    {
        // Options are read before any window system is needed, so --help and --version
        // work without a display.
        QCoreApplication reader(argc, argv);
        QCommandLineParser parser;
        parser.setApplicationDescription(
            QCoreApplication::translate("main", "Prepares the configuration of an MRB-500 panel."));
        parser.addHelpOption();
        parser.addVersionOption();
        const QCommandLineOption port(
            QStringLiteral("port"),
            QCoreApplication::translate("main", "Serial port of the panel (any name or path)."),
            QStringLiteral("NAME"));
        parser.addOption(port);
        parser.addPositionalArgument(
            QStringLiteral("file"),
            QCoreApplication::translate("main", "Configuration file to open."),
            QStringLiteral("[FILE]"));
        parser.process(reader);
        if (parser.positionalArguments().size() > 1) {
            std::fprintf(stderr, "mrb500-configurator: %s\n",
                         qPrintable(QCoreApplication::translate("main", "at most one FILE")));
            return 2;
        }
        portName = parser.value(port);
        file = parser.positionalArguments().value(0);
    }

    QApplication app(argc, argv);

    MyMainWindow window;
    (new WindowSettings(&window))->restore(); // the window owns it
    // For this session only: what the user chose stays remembered.
    if (!portName.isEmpty())
        window.setCommandLinePort(portName);

    QSplashScreen splash(QPixmap(QStringLiteral(":/images/icons/splash_no_trevik.PNG")));
    splash.show();
    QApplication::processEvents();

    // The splash stays while the event loop runs, so the system never sees a hung window.
    QTimer::singleShot(SplashMilliseconds, &window, [&window, &splash, file] {
        window.show();
        splash.finish(&window);
        if (!file.isEmpty())
            window.openFile(file);
    });

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return app.exec();
}
