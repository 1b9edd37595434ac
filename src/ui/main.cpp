#include "MyMainWindow.h"
#include "ProductInfo.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSplashScreen>
#include <QStyleFactory>
#include <QTimer>

namespace {
constexpr int SplashMilliseconds = 1500;
}

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mrb500-configurator"));
    QApplication::setApplicationVersion(ProductInfo::version());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Prepares the configuration of an MRB-500 panel."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QApplication::translate("main", "Serial port of the panel (any name or path)."),
        QStringLiteral("NAME"));
    parser.addOption(port);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QApplication::translate("main", "Configuration file to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(2);

    MyMainWindow window;
    if (parser.isSet(port))
        window.setCommandLinePort(parser.value(port));

    QSplashScreen splash(QPixmap(QStringLiteral(":/images/icons/splash_no_trevik.PNG")));
    splash.show();
    QApplication::processEvents();

    const QString file = parser.positionalArguments().value(0);
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
