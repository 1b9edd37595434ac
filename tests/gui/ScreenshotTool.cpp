// Grabs the main window on each tab in each language, the maneuver dialog, the serial
// settings dialog, an upload in progress and the comparison with a panel, for the README and for
// checking the layout by eye: gui_screenshots OUTDIR [FILE]
#include "FakeSerialPortList.h"
#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "model/ConfigurationDiff.h"
#include "sim/PanelSimulator.h"
#include "sim/PtyPanel.h"
#include "ui/DialogAbout.h"
#include "ui/DialogAddLogic.h"
#include "ui/DifferencesDialog.h"
#include "ui/LinkLogWindow.h"
#include "ui/MatrixView.h"
#include "ui/MyActionsWidget.h"
#include "ui/MyMainWidget.h"
#include "ui/MyMainWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/TransferProgressDialog.h"
#include "ui/myconfigurationwidget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>

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

// The first maneuver with the most events up to three: the dialog's usual busy case.
int busiestManeuver(const PanelCore &core) {
    int best = -1;
    for (int i = 0; i < core.maneuvers.size(); ++i) {
        const int events = int(core.maneuvers.at(i).events.size());
        if (events <= 3 && (best < 0 || events > core.maneuvers.at(best).events.size()))
            best = i;
    }
    return best;
}

// The serial settings dialog with two adapters attached, in the current language, offering
// the port chosen before, which is unplugged.
bool grabSettings(const QString &file) {
    FakeSerialPortList ports;
    ports.ports = {
        FakeSerialPortList::ft232(QStringLiteral("ttyUSB0"), QStringLiteral("FT232R USB UART")),
        FakeSerialPortList::ft232(QStringLiteral("ttyUSB1"))};
    SettingsDialog settings(nullptr, &ports);
    settings.preselect(QStringLiteral("ttyUSB2"));
    settings.show();
    QApplication::processEvents();
    return settings.grab().save(file) && clippedLabels(&settings, file) == 0;
}

// The comparison with a panel that holds an older version: a changed delay and password,
// a maneuver less, a new one.
bool grabComparison(const PanelCore &core, const QString &file) {
    PanelConfiguration panel = core;
    panel.generalConfig.delay_confirmation = core.generalConfig.delay_confirmation * 4 / 5;
    panel.smtp.Password = QStringLiteral("old");
    if (!panel.maneuvers.isEmpty()) {
        panel.maneuvers.removeFirst();
        ManiobraConvencional extra = core.maneuvers.last();
        Action slower = extra.action();
        slower.delay = 10;
        extra.setAction(slower);
        panel.maneuvers << extra;
    }
    const QList<ConfigurationDifference> differences =
        ConfigurationDiff::compare(panel, core, ConfigurationDiff::Scope::PanelHeld);
    DifferencesDialog dialog(
        nullptr, QCoreApplication::translate("MyMainWindow", "Compare with panel"),
        QCoreApplication::translate(
            "MyMainWindow",
            "Differences between the panel (before) and this configuration (after): %1")
            .arg(differences.size()),
        differences, false);
    dialog.show();
    QApplication::processEvents();
    return dialog.grab().save(file) && clippedLabels(&dialog, file) == 0;
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
    // The upload below backs the simulated panel up: not into the user's folder.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());

    MyMainWindow window;
    window.show();
    if (!dialogs.openName.isEmpty())
        window.slotOpen();
    window.findChild<QAction *>(QStringLiteral("actionAdvanced"))->trigger();
    // Some zones named, as installers do.
    const char *const zoneNames[] = {"Entrance hall", "Gym", "Kitchen", "Library - 1st floor"};
    for (int zone = 1; zone <= int(std::size(zoneNames)); ++zone) {
        if (zone <= window.panelCore()->num_zones)
            window.panelCore()->setZoneName(zone, QLatin1String(zoneNames[zone - 1]));
    }
    window.mainWidget()->configurationWidget()->readNumberOfZones();
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
        const int maneuver = busiestManeuver(*window.panelCore());
        if (maneuver >= 0) {
            DialogAddLogic dialog(&window);
            dialog.loadManeuver(window.panelCore()->maneuvers.at(maneuver));
            dialog.show();
            QApplication::processEvents();
            const QString file =
                QStringLiteral("%1/maneuver-%2.png").arg(out, QLatin1String(language));
            if (dialog.grab().save(file))
                ++written;
            written -= clippedLabels(&dialog, file);
        }
        window.mainWidget()->showMatrix();
        QApplication::processEvents();
        MatrixView *matrix = window.mainWidget()->matrixView();
        const QString matrixFile =
            QStringLiteral("%1/matrix-%2.png").arg(out, QLatin1String(language));
        if (matrix->grab().save(matrixFile))
            ++written;
        written -= clippedLabels(matrix, matrixFile);
        matrix->hide();
        if (grabSettings(QStringLiteral("%1/settings-%2.png").arg(out, QLatin1String(language))))
            ++written;
        if (grabComparison(*window.panelCore(),
                           QStringLiteral("%1/compare-%2.png").arg(out, QLatin1String(language))))
            ++written;
    }
    DialogAbout about;
    about.show();
    QApplication::processEvents();
    if (about.grab().save(out + QStringLiteral("/about-es.png")))
        ++written;
    about.close();

    // The marks of maneuvers that no longer fit the panel: drop the zones to eight.
    const bool hasManeuvers = busiestManeuver(*window.panelCore()) >= 0;
    window.panelCore()->num_zones = qMin(8, int(window.panelCore()->num_zones));
    window.mainWidget()->actionsWidget()->updateTrees();
    tabs->setCurrentIndex(1);
    QApplication::processEvents();
    if (window.grab().save(out + QStringLiteral("/actions-marks-es.png")))
        ++written;

    window.loadLanguage(QStringLiteral("en"));
    tabs->setCurrentIndex(1);
    if (grabUpload(window, out + QStringLiteral("/upload-progress-en.png")))
        ++written;
    // The frames of that backup and upload.
    window.findChild<QAction *>(QStringLiteral("actionViewLinkLog"))->trigger();
    if (auto *log = window.findChild<LinkLogWindow *>()) {
        QApplication::processEvents();
        if (log->grab().save(out + QStringLiteral("/linklog-en.png")))
            ++written;
        written -= clippedLabels(log, out + QStringLiteral("/linklog-en.png"));
    }
    dialogs.answers = {true};
    // Six tabs, two matrices, two settings dialogs, two comparisons, the about box, the marks,
    // the upload, the link log and, with a file that has maneuvers, two maneuver dialogs.
    return written == (hasManeuvers ? 18 : 16) ? 0 : 1;
}
