// Grabs the main window on each tab in each language, the serial settings dialog and an
// upload in progress, for the README and for checking the layout by eye:
// gui_screenshots OUTDIR [FILE]
#include "DialogAbout.h"
#include "FakeSerialPortList.h"
#include "MyMainWindow.h"
#include "PanelSimulator.h"
#include "PtyPanel.h"
#include "ScriptedDialogs.h"
#include "SettingsDialog.h"
#include "TransferProgressDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScreen>

#include <QStyleFactory>
#include <QTabWidget>
#include <cstdio>

namespace {

// Under a real X server a label whose text grew while its page was hidden keeps its old
// width; say so rather than rely on spotting it.
int clippedLabels(QWidget *page, const QString &file) {
    int clipped = 0;
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (label->isVisible() && !label->wordWrap() &&
            label->width() < label->minimumSizeHint().width()) {
            std::fprintf(stderr, "%s: label %s is clipped\n", qPrintable(file),
                         qPrintable(label->objectName()));
            ++clipped;
        }
    }
    return clipped;
}

// The serial settings dialog with two adapters attached, in the current language.
bool grabSettings(const QString &file) {
    FakeSerialPortList ports;
    ports.ports = {
        FakeSerialPortList::ft232(QStringLiteral("ttyUSB0"), QStringLiteral("FT232R USB UART")),
        FakeSerialPortList::ft232(QStringLiteral("ttyUSB1"))};
    SettingsDialog settings(nullptr, &ports);
    settings.show();
    QApplication::processEvents();
    return settings.grab().save(file) && clippedLabels(&settings, file) == 0;
}

// The window with its progress dialog half-way through an upload to a simulated panel.
bool grabUpload(MyMainWindow &window, const QString &file) {
    PanelSimulator engine;
    PtyPanel line(&engine);
    QString error;
    if (!line.open(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    line.setLatencyMs(5);
    window.setCommandLinePort(line.slavePath());
    bool saved = false;
    QObject::connect(window.panelCore(), &PanelCore::progressUp, &window, [&](int value) {
        if (saved || value < 40)
            return;
        saved = true;
        auto *progress = window.findChild<TransferProgressDialog *>();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const QRect area = window.frameGeometry();
        QPixmap shot =
            window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        saved = progress && progress->isVisible() && shot.save(file);
    });
    window.slotUploadConfig();
    return saved;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString out = QApplication::arguments().value(1, QStringLiteral("."));
    ScriptedDialogs dialogs;
    dialogs.openName = QApplication::arguments().value(2);

    MyMainWindow window;
    window.show();
    if (!dialogs.openName.isEmpty())
        window.slotOpen();
    window.findChild<QAction *>(QStringLiteral("actionAdvanced"))->trigger();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    const char *const tabNames[] = {"elements", "actions", "advanced"};
    int written = 0;
    for (const char *language : {"en", "es"}) {
        window.loadLanguage(QLatin1String(language));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString file =
                QStringLiteral("%1/%2-%3.png").arg(out, QLatin1String(tabNames[tab]), language);
            if (window.grab().save(file))
                ++written;
            written -= clippedLabels(tabs->currentWidget(), file);
        }
        if (grabSettings(QStringLiteral("%1/settings-%2.png").arg(out, QLatin1String(language))))
            ++written;
    }
    DialogAbout about;
    about.show();
    QApplication::processEvents();
    if (about.grab().save(out + QStringLiteral("/about-es.png")))
        ++written;
    about.close();
    window.loadLanguage(QStringLiteral("en"));
    tabs->setCurrentIndex(1);
    if (grabUpload(window, out + QStringLiteral("/upload-progress-en.png")))
        ++written;
    dialogs.answers = {true};
    return written == 10 ? 0 : 1;
}
