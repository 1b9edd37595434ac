#include "FakeSerialPortList.h"
#include "ScriptedDialogs.h"
#include "link/PanelCore.h"
#include "ui/MyMainWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/WindowSettings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using UnsavedChanges = UserDialogs::UnsavedChanges;
Q_DECLARE_METATYPE(UnsavedChanges)

// Runs of the program as main() starts them, with their settings in a temporary folder; the
// recent files and files dropped on the window.
class tst_WindowSettings : public QObject {
    Q_OBJECT

    void restart(const QStringList &attached = {"ttyUSB0", "ttyUSB1"}, const QString &port = {}) {
        if (window)
            quit();
        ports.ports.clear();
        for (const QString &name : attached)
            ports.ports << FakeSerialPortList::ft232(name);
        window = std::make_unique<MyMainWindow>();
        window->setSerialPortList(&ports);
        (new WindowSettings(window.get()))->restore();
        if (!port.isEmpty())
            window->setCommandLinePort(port);
        QCoreApplication::sendPostedEvents(); // the language change
        window->show();
    }
    void quit() {
        dialogs.answers = {true}; // quit
        dialogs.saveAnswers = {UnsavedChanges::Discard};
        window->close();
        window.reset();
    }
    void portDialog(const std::function<void(SettingsDialog *)> &answer) {
        QTimer::singleShot(0, [answer] {
            answer(qobject_cast<SettingsDialog *>(QApplication::activeModalWidget()));
        });
        window->configureSerialPortSlot();
    }
    QString site(const QString &name) { // a copy of the example school
        QFile::copy(qEnvironmentVariable("MRB500_SOURCE_DIR") + "/examples/school.xml",
                    dir.filePath(name));
        return dir.filePath(name);
    }
    QList<QAction *> recent() { // above the separator and the clear action
        const QList<QAction *> all = window->findChild<QMenu *>("menuRecentFiles")->actions();
        return all.mid(0, all.size() - 2);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FakeSerialPortList ports;
    std::unique_ptr<MyMainWindow> window;

private Q_SLOTS:
    void initTestCase() {
        // Never the user's own settings.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(QStringLiteral("tst_WindowSettings"));
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, dir.path());
    }
    void init() {
        QSettings().clear();
        dialogs.questions.clear();
        dialogs.failures.clear();
        restart();
    }
    void cleanup() { quit(); }
    void restart_keepsWhatTheUserChose_data();
    void restart_keepsWhatTheUserChose();
    void recentFiles_newestFirstGoneRemoved();
    void drop_opensXmlFileAfterAsking();
};

void tst_WindowSettings::restart_keepsWhatTheUserChose_data() {
    QTest::addColumn<QStringList>("attached"); // at the restart; ttyUSB1 was chosen
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("used");    // empty: none, the settings dialog comes first
    QTest::addColumn<QString>("offered"); // in the remembered language
    const QStringList both{"ttyUSB0", "ttyUSB1"};
    QTest::newRow("present_used") << both << ""
                                  << "ttyUSB1"
                                  << "ttyUSB1";
    QTest::newRow("absent_offeredNotReplaced") << QStringList{"ttyUSB0"} << ""
                                               << ""
                                               << "ttyUSB1 (ausente)";
    QTest::newRow("commandLine_winsThisRun") << both << "ttyUSB0"
                                             << "ttyUSB0"
                                             << "ttyUSB0";
}

void tst_WindowSettings::restart_keepsWhatTheUserChose() {
    QFETCH(QStringList, attached);
    QFETCH(QString, commandLine);
    QFETCH(QString, used);
    QFETCH(QString, offered);
    portDialog([](SettingsDialog *d) {
        d->findChild<QComboBox *>("serialPortInfoListBox")->setCurrentIndex(1);
        d->findChild<QAbstractButton *>("applyButton")->click();
    });
    window->setGeometry(40, 50, 820, 640);
    window->findChild<QAction *>("language_es")->trigger();
    window->findChild<QAction *>("actionVerifyAfterUpload")->trigger();
    dialogs.openName = site("school.xml");
    window->slotOpen();

    restart(attached, commandLine);
    QCOMPARE(window->menuBar()->actions().first()->text(), QStringLiteral("&Archivo"));
    QVERIFY(!window->findChild<QAction *>("actionVerifyAfterUpload")->isChecked());
    QCOMPARE(window->geometry(), QRect(40, 50, 820, 640));
    QCOMPARE(window->lastFolder().path(), dir.path());
    QCOMPARE(window->recentFiles()->files(), QStringList{dialogs.openName});
    QCOMPARE(window->panelCore()->portConfigured, !used.isEmpty());
    const QString name = window->panelCore()->serialSettings.name;
    QCOMPARE(name, used.isEmpty() ? "ttyUSB1" : used);
    portDialog([&](SettingsDialog *d) {
        QCOMPARE(d->findChild<QComboBox *>("serialPortInfoListBox")->currentText(), offered);
        QCOMPARE(d->selectedSettings().name, name);
        d->reject();
    });
    restart(); // neither an absent port nor the command line replaced the choice
    QCOMPARE(window->panelCore()->serialSettings.name, QStringLiteral("ttyUSB1"));
}

void tst_WindowSettings::recentFiles_newestFirstGoneRemoved() {
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 3})
        QVERIFY(window->openFile(site(QStringLiteral("s%1.xml").arg(n))));
    const auto shown = [this] {
        QStringList out;
        for (QAction *entry : recent())
            out << entry->text().mid(3); // after the "&1 " shortcut
        return out.join(' ');
    };
    QCOMPARE(shown(), "s3.xml s9.xml s8.xml s7.xml s6.xml s5.xml s4.xml s2.xml");
    QVERIFY(QFile::remove(recent().at(1)->toolTip())); // the full path
    recent().at(1)->trigger();
    QCOMPARE(dialogs.failures.size(), 1);
    QCOMPARE(window->currentFileName(), dir.filePath("s3.xml"));
    QVERIFY(shown().startsWith("s3.xml s8.xml"));
    window->findChild<QAction *>("actionClearRecentFiles")->trigger();
    QVERIFY(!window->findChild<QMenu *>("menuRecentFiles")->menuAction()->isEnabled());
}

void tst_WindowSettings::drop_opensXmlFileAfterAsking() {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(site("SITE.XML"))});
    window->findChild<QComboBox *>("comboBoxMaxZones")->setCurrentIndex(1);
    for (const UnsavedChanges answer : {UnsavedChanges::Cancel, UnsavedChanges::Discard}) {
        dialogs.saveAnswers = {answer};
        // Over the editors, which take no files; Shift asks for a move, but the file stays.
        const auto actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(QPoint(20, 20), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(window->centralWidget(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(window.get(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(dialogs.questions.size(), answer == UnsavedChanges::Cancel ? 0 : 1); // after
        QCoreApplication::processEvents();
        QCOMPARE(window->currentFileName().isEmpty(), answer == UnsavedChanges::Cancel);
    }
}

QTEST_MAIN(tst_WindowSettings)
#include "tst_WindowSettings.moc"
