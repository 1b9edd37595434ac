#include "MyMainWindow.h"

#include "BackupStore.h"
#include "CauseEffectReport.h"
#include "ConfigurationCheck.h"
#include "ConfigurationDiff.h"
#include "DialogAbout.h"
#include "LanguageCatalog.h"
#include "LinkLogWindow.h"
#include "MyActionsWidget.h"
#include "MyMainWidget.h"
#include "MyXMLWriter.h"
#include "PanelCore.h"
#include "ProductInfo.h"
#include "SettingsDialog.h"
#include "TransferProgressDialog.h"
#include "UserDialogs.h"
#include "XmlConfigReader.h"
#include "myAdvancedConfigurationWidget.h"
#include "myconfigurationwidget.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QToolBar>

namespace {

constexpr int DefaultWidth = 960;
constexpr int DefaultHeight = 760;

const char *const FileFilter = QT_TRANSLATE_NOOP("MyMainWindow", "Xml files (*.xml)");
const char *const CompareText = QT_TRANSLATE_NOOP("MyMainWindow", "Compare with panel");
const char *const ExportReportText = QT_TRANSLATE_NOOP("MyMainWindow", "Export report...");
const char *const LinkLogText = QT_TRANSLATE_NOOP("MyMainWindow", "View link log");

// A field of the advanced page holding what cannot be stored leaves the model's old value
// in place, so nothing may be saved, sent or reported from it until it is corrected.
bool refusedForInput(QWidget *window, const myAdvancedConfigurationWidget *page,
                     const QString &title, const QString &text) {
    const QStringList problems = page->inputProblems();
    if (problems.isEmpty())
        return false;
    UserDialogs::current().reportFailure(
        window, title, text,
        MyMainWindow::tr("Correct these fields of the Advanced Configuration page first:") +
            QLatin1Char('\n') + problems.join(QLatin1Char('\n')));
    return true;
}

QString titlePrefix() {
    return QStringLiteral("TrevUSB Configurator ") + ProductInfo::version() + QStringLiteral(" ") +
           ProductInfo::buildDate();
}

QFont windowFont() {
    const QString preferred = QStringLiteral("Segoe UI");
    QFont font = QFontDatabase::hasFamily(preferred)
                     ? QFont(preferred)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(10);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

// "es_ES" -> "es"
QString languageOfLocale(const QString &localeName) {
    const int cut = localeName.lastIndexOf(QLatin1Char('_'));
    return cut < 0 ? localeName : localeName.left(cut);
}

} // namespace

MyMainWindow::MyMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , core(std::make_unique<PanelCore>()) {
    const QFont font = windowFont();
    core->num_zones = 0;
    setWindowTitle(ProductInfo::productLine() + ProductInfo::model() + ProductInfo::version() +
                   QStringLiteral(" ") + ProductInfo::buildDate());
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/logo.png")));
    QApplication::setFont(font);

    centralTabs = new MyMainWidget(this);
    setCentralWidget(centralTabs);
    centralTabs->actionsWidget()->setPanelCore(core.get());
    centralTabs->configurationWidget()->setPanelCore(core.get());
    centralTabs->advancedWidget()->setPanelCore(core.get());

    createMenus();
    connect(centralTabs->configurationWidget(),
            &myconfigurationwidget::signalElementAddedRemovedModified, this,
            &MyMainWindow::slotUpdateEventActionTrees);
    connect(centralTabs->configurationWidget(), &myconfigurationwidget::signalNumberOfZonesModified,
            this, &MyMainWindow::slotUpdateEventActionTrees);
    connect(centralTabs->configurationWidget(), &myconfigurationwidget::signalZoneNamesModified,
            this, &MyMainWindow::slotUpdateEventActionTrees);
    centralTabs->actionsWidget()->updateTrees();
    setFont(font);
    // Room for both maneuver columns and most of the advanced page without scrolling.
    resize(DefaultWidth, DefaultHeight);
    rememberSavedState();
}

MyMainWindow::~MyMainWindow() {
    // The editors point at the model: they go first.
    delete centralTabs;
    centralTabs = nullptr;
}

void MyMainWindow::createMenus() {
    fileMenu = menuBar()->addMenu(tr("&File"));
    downloadAction =
        fileMenu->addAction(tr("Download Panel"), this, &MyMainWindow::slotDownloadConfig);
    uploadAction = fileMenu->addAction(tr("Upload Panel"), this, &MyMainWindow::slotUploadConfig);
    compareAction = fileMenu->addAction(tr(CompareText), this, &MyMainWindow::slotCompareWithPanel);
    fileMenu->addSeparator();
    newAction = fileMenu->addAction(tr("New"), this, &MyMainWindow::slotNew);
    openAction = fileMenu->addAction(tr("Open"), this, &MyMainWindow::slotOpen);
    saveAction = fileMenu->addAction(tr("Save"), this, &MyMainWindow::slotSave);
    saveAsAction = fileMenu->addAction(tr("Save as"), this, &MyMainWindow::slotSaveAs);
    exportReportAction =
        fileMenu->addAction(tr(ExportReportText), this, &MyMainWindow::slotExportReport);
    fileMenu->addSeparator();
    serialPortAction = fileMenu->addAction(tr("Configure serial port"), this,
                                           &MyMainWindow::configureSerialPortSlot);
    fileMenu->addSeparator();
    quitAction = fileMenu->addAction(tr("Quit"), this, &MyMainWindow::slotClose);

    optionsMenu = menuBar()->addMenu(tr("&Options"));
    advancedAction = optionsMenu->addAction(tr("View advanced options"));
    advancedAction->setCheckable(true);
    advancedAction->setChecked(false);
    connect(advancedAction, &QAction::triggered, this, &MyMainWindow::hideShowAdvancedTab);
    // Reading every record back doubles the transfer, but catches a panel that stored
    // something else than it was sent.
    verifyAction = optionsMenu->addAction(tr("Verify after upload"));
    verifyAction->setCheckable(true);
    verifyAction->setChecked(true);
    linkLogAction = optionsMenu->addAction(tr(LinkLogText), this, &MyMainWindow::slotViewLinkLog);

    configurationMenu = menuBar()->addMenu(tr("&Configuration"));
    languageMenu = configurationMenu->addMenu(tr("Language"));
    createLanguageMenu(languageMenu);

    aboutMenu = menuBar()->addMenu(tr("&About"));
    aboutAction = aboutMenu->addAction(tr("About"), this, &MyMainWindow::slotAbout);

    const QString icons = QStringLiteral(":/icons/icons/");
    fileToolBar = addToolBar(tr("File"));
    fileToolBar->setObjectName(QStringLiteral("fileToolBar"));
    fileToolBar->addAction(QIcon(icons + QStringLiteral("upload.png")),
                           tr("Download Config from panel"), this,
                           &MyMainWindow::slotDownloadConfig);
    fileToolBar->addAction(QIcon(icons + QStringLiteral("download.png")),
                           tr("Upload Config to panel"), this, &MyMainWindow::slotUploadConfig);
    fileToolBar->addSeparator();
    fileToolBar->addAction(QIcon(icons + QStringLiteral("new.png")), tr("New"), this,
                           &MyMainWindow::slotNew);
    fileToolBar->addAction(QIcon(icons + QStringLiteral("open.png")), tr("Open"), this,
                           &MyMainWindow::slotOpen);
    fileToolBar->addAction(QIcon(icons + QStringLiteral("save.png")), tr("Save"), this,
                           &MyMainWindow::slotSave);
    fileToolBar->addAction(QIcon(icons + QStringLiteral("save.png")), tr("Save as"), this,
                           &MyMainWindow::slotSaveAs);
    fileToolBar->addSeparator();

    const std::pair<QAction *, const char *> names[] = {{downloadAction, "actionDownload"},
                                                        {uploadAction, "actionUpload"},
                                                        {newAction, "actionNew"},
                                                        {openAction, "actionOpen"},
                                                        {saveAction, "actionSave"},
                                                        {saveAsAction, "actionSaveAs"},
                                                        {serialPortAction, "actionSerialPort"},
                                                        {quitAction, "actionQuit"},
                                                        {advancedAction, "actionAdvanced"},
                                                        {verifyAction, "actionVerifyAfterUpload"},
                                                        {aboutAction, "actionAbout"},
                                                        {compareAction, "actionCompareWithPanel"},
                                                        {exportReportAction, "actionExportReport"},
                                                        {linkLogAction, "actionViewLinkLog"}};
    for (const auto &[action, name] : names)
        action->setObjectName(QLatin1String(name));
}

void MyMainWindow::retranslate() {
    fileMenu->setTitle(tr("&File"));
    optionsMenu->setTitle(tr("&Options"));
    configurationMenu->setTitle(tr("&Configuration"));
    languageMenu->setTitle(tr("Language"));
    downloadAction->setText(tr("Download Panel"));
    uploadAction->setText(tr("Upload Panel"));
    newAction->setText(tr("New"));
    openAction->setText(tr("Open"));
    saveAction->setText(tr("Save"));
    saveAsAction->setText(tr("Save as"));
    quitAction->setText(tr("Quit"));
    advancedAction->setText(tr("View advanced options"));
    verifyAction->setText(tr("Verify after upload"));
    compareAction->setText(tr(CompareText));
    exportReportAction->setText(tr(ExportReportText));
    linkLogAction->setText(tr(LinkLogText));
    if (linkLog)
        linkLog->retranslate();
    aboutAction->setText(tr("&About"));
    // Also the texts the original left in the language they were created in.
    aboutMenu->setTitle(tr("&About"));
    serialPortAction->setText(tr("Configure serial port"));
    fileToolBar->setWindowTitle(tr("File"));
    const QList<QAction *> tools = fileToolBar->actions();
    const char *const toolTexts[] = {QT_TR_NOOP("Download Config from panel"),
                                     QT_TR_NOOP("Upload Config to panel"),
                                     nullptr,
                                     QT_TR_NOOP("New"),
                                     QT_TR_NOOP("Open"),
                                     QT_TR_NOOP("Save"),
                                     QT_TR_NOOP("Save as")};
    for (int i = 0; i < tools.size() && i < int(std::size(toolTexts)); ++i) {
        if (toolTexts[i])
            tools[i]->setText(tr(toolTexts[i]));
    }
}

void MyMainWindow::createLanguageMenu(QMenu *menu) {
    languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    connect(languageGroup, &QActionGroup::triggered, this, &MyMainWindow::slotLanguageChanged);

    const QString defaultCode = languageOfLocale(QLocale::system().name());
    translationsDir = LanguageCatalog::directory();
    const QStringList files =
        QDir(translationsDir).entryList(QStringList(QStringLiteral("lang_*.qm")));
    for (const QString &file : files) {
        QString code = file.left(file.lastIndexOf(QLatin1Char('.')));
        code = code.mid(code.indexOf(QLatin1Char('_')) + 1);
        auto *action = new QAction(QLocale::languageToString(QLocale(code).language()), this);
        action->setCheckable(true);
        action->setData(code);
        action->setObjectName(QStringLiteral("language_") + code);
        menu->addAction(action);
        languageGroup->addAction(action);
        if (code == defaultCode)
            action->setChecked(true);
    }
}

void MyMainWindow::slotLanguageChanged(QAction *action) {
    if (action)
        loadLanguage(action->data().toString());
}

void MyMainWindow::loadLanguage(const QString &code) {
    if (code == currentLanguageCode)
        return;
    currentLanguageCode = code;
    QLocale::setDefault(QLocale(code));
    qDebug() << "rLanguage: " << code;
    // Qt's own texts (standard buttons) follow the application's language.
    QCoreApplication::removeTranslator(&qtTranslator);
    if (qtTranslator.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
    switchTranslator(translator, QStringLiteral("lang_%1.qm").arg(code));
    for (QAction *action : languageGroup->actions())
        action->setChecked(action->data().toString() == code);
}

void MyMainWindow::switchTranslator(QTranslator &translator, const QString &file) {
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(file, translationsDir))
        QCoreApplication::installTranslator(&translator);
}

void MyMainWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LocaleChange) {
        loadLanguage(languageOfLocale(QLocale::system().name()));
    } else if (event->type() == QEvent::LanguageChange && centralTabs) {
        qDebug() << "Language Changed";
        retranslate();
        centralTabs->retranslate();
        centralTabs->actionsWidget()->retranslate();
        centralTabs->configurationWidget()->retranslate();
        centralTabs->advancedWidget()->retranslate();
        centralTabs->refreshLayout();
    }
    QMainWindow::changeEvent(event);
}

void MyMainWindow::hideShowAdvancedTab(bool show) {
    centralTabs->showAdvancedTab(show);
}

void MyMainWindow::slotClose() {
    close();
}

void MyMainWindow::slotExportSite() {}

void MyMainWindow::reportTransferFailure(const QString &title, const QString &text) {
    QString reason = core->transferError();
    if (!reason.isEmpty())
        reason[0] = reason.at(0).toUpper();
    UserDialogs::current().reportFailure(this, title, text, reason);
}

bool MyMainWindow::uploadAllowed() {
    QStringList errors;
    for (const ConfigurationProblem &problem : ConfigurationCheck::check(*core)) {
        if (problem.isError())
            errors << QStringLiteral("- ") + problem.message;
    }
    if (errors.isEmpty())
        return true;
    UserDialogs::current().reportFailure(
        this, tr("Upload Panel"), tr("Error uploading to panel."),
        tr("The panel cannot hold this configuration, so nothing was sent:") + QLatin1Char('\n') +
            errors.join(QLatin1Char('\n')));
    return false;
}

bool MyMainWindow::downloadWouldLoseEdits() {
    // Zones and boards stay: the panel does not store them.
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    return core->maneuvers != savedState.maneuvers ||
           !(core->generalConfig == savedState.generalConfig) ||
           !(core->webServer == savedState.webServer) || !(core->smtp == savedState.smtp);
}

void MyMainWindow::slotDownloadConfig() {
    if (core->num_zones == 0) {
        UserDialogs::current().inform(this, tr("Download Panel"),
                                      tr("please, introduce a number of zones"));
        return;
    }
    if (downloadWouldLoseEdits() &&
        !UserDialogs::current().askYesNo(this, tr("Unsaved changes"),
                                         tr("The current configuration has changes that have "
                                            "not been saved. Discard them and read the "
                                            "configuration of the panel?")))
        return;
    if (!core->portConfigured)
        configureSerialPortSlot();

    bool ok = false;
    {
        TransferProgressDialog progress(tr("Descargando configuracion de la central..."),
                                        PanelCore::ProgressMaximum, this);
        progress.setWindowTitle(tr("Download Panel"));
        // The dialog is up for the connection check too: a silent panel takes a while.
        ok = core->checkConnection();
        if (ok) {
            connect(core.get(), &PanelCore::progress, &progress, &QProgressDialog::setValue);
            ok = core->downloadConfig();
        }
    }
    showLinkLog({core->linkTrace()});
    // A failed download changed nothing, so the editors keep what they show, unsaved
    // edits of the advanced page included.
    if (!ok) {
        reportTransferFailure(tr("Download Panel"), tr("Error downloading from panel."));
        return;
    }
    centralTabs->actionsWidget()->refreshTable();
    centralTabs->advancedWidget()->readGeneralConfiguration();
    UserDialogs::current().inform(this, tr("Download Panel"), tr("Download ok"));
}

void MyMainWindow::slotUploadConfig() {
    if (refusedForInput(this, centralTabs->advancedWidget(), tr("Upload Panel"),
                        tr("Error uploading to panel.")))
        return;
    if (core->num_zones == 0) {
        UserDialogs::current().inform(this, tr("Upload Panel"),
                                      tr("please, introduce a number of zones"));
        return;
    }
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    if (!uploadAllowed())
        return;
    const QString refusal = core->uploadRefusal();
    if (!refusal.isEmpty()) {
        UserDialogs::current().reportFailure(this, tr("Upload Panel"),
                                             tr("Error uploading to panel."), refusal);
        return;
    }
    if (!core->portConfigured)
        configureSerialPortSlot();
    if (!core->portConfigured) {
        UserDialogs::current().reportFailure(
            this, tr("Upload Panel"), tr("Error uploading to panel."), tr("No serial port chosen"));
        return;
    }

    // The panel's programming is saved before anything overwrites it, and the user sees
    // what will change before it does.
    PanelCore panel;
    QString backupFile;
    if (!backUpBeforeUpload(panel, backupFile))
        return;
    const QList<ConfigurationDifference> changes =
        ConfigurationDiff::compare(panel, *core, ConfigurationDiff::Scope::PanelHeld);
    const QString reviewText =
        changes.isEmpty() ? tr("The panel already holds this configuration. Write it again?")
                          : tr("These changes will be written to the panel:");
    if (!UserDialogs::current().confirmDifferences(this, tr("Upload Panel"), reviewText, changes))
        return;

    const bool verify = verifyAction->isChecked();
    core->setVerifyAfterUpload(verify);
    bool ok = false;
    {
        TransferProgressDialog progress(tr("Cargando configuracion a la central..."),
                                        PanelCore::ProgressMaximum, this);
        progress.setWindowTitle(tr("Upload Panel"));
        connect(core.get(), &PanelCore::progressUp, &progress, &QProgressDialog::setValue);
        ok = core->uploadConfig();
    }
    showLinkLog(lastTraces << core->linkTrace());
    if (!ok) {
        reportTransferFailure(tr("Upload Panel"), tr("Error uploading to panel."));
        return;
    }
    QString text = tr("Upload ok!");
    if (verify)
        text += QLatin1Char('\n') + tr("Every record was read back from the panel and matches "
                                       "what was sent.");
    if (!backupFile.isEmpty())
        text += QLatin1Char('\n') + tr("The panel's previous configuration was saved as %1.")
                                        .arg(QDir::toNativeSeparators(backupFile));
    UserDialogs::current().inform(this, tr("Upload Panel"), text);
}

void MyMainWindow::prepareForPanel(PanelCore &panel) const {
    panel.num_zones = core->num_zones;
    panel.elements = core->elements;
    const QMap<int, QString> names = core->zoneNames();
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        panel.setZoneName(it.key(), it.value());
}

bool MyMainWindow::backUpBeforeUpload(PanelCore &panel, QString &backupFile) {
    BackupStore store;
    bool ok = false;
    {
        TransferProgressDialog progress(tr("Reading the panel for a backup..."),
                                        PanelCore::ProgressMaximum, this);
        progress.setWindowTitle(tr("Upload Panel"));
        connect(core.get(), &PanelCore::progress, &progress, &QProgressDialog::setValue);
        ok = store.backUpPanel(*core, panel);
    }
    // The trace holds the last transfer only: keep the backup's before the upload's.
    showLinkLog({core->linkTrace()});
    if (ok) {
        backupFile = store.lastBackup();
        return true;
    }
    QString reason = store.errorString();
    if (!reason.isEmpty())
        reason[0] = reason.at(0).toUpper();
    if (!UserDialogs::current().askYesNo(
            this, tr("Upload Panel"),
            tr("No backup of the panel's configuration could be made:") + QLatin1Char('\n') +
                reason + QStringLiteral("\n\n") +
                tr("Upload without a backup? The panel's present configuration will be lost.")))
        return false;
    // Without a backup the review still needs the panel's content.
    prepareForPanel(panel);
    ok = readPanelInto(panel, tr("Upload Panel"), tr("Reading the panel..."));
    showLinkLog({core->linkTrace()});
    return ok;
}

bool MyMainWindow::readPanelInto(PanelCore &panel, const QString &title, const QString &label) {
    bool ok = false;
    {
        TransferProgressDialog progress(label, PanelCore::ProgressMaximum, this);
        progress.setWindowTitle(title);
        connect(core.get(), &PanelCore::progress, &progress, &QProgressDialog::setValue);
        ok = core->downloadConfigInto(panel);
    }
    if (!ok)
        reportTransferFailure(title, tr("Error downloading from panel."));
    return ok;
}

void MyMainWindow::slotCompareWithPanel() {
    if (refusedForInput(this, centralTabs->advancedWidget(), tr(CompareText),
                        tr("Could not compare with the panel.")))
        return;
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    if (!core->portConfigured)
        configureSerialPortSlot();
    if (!core->portConfigured) {
        UserDialogs::current().reportFailure(this, tr(CompareText),
                                             tr("Error downloading from panel."),
                                             tr("No serial port chosen"));
        return;
    }
    PanelCore panel;
    prepareForPanel(panel);
    const bool ok = readPanelInto(panel, tr(CompareText), tr("Reading the panel..."));
    showLinkLog({core->linkTrace()});
    if (!ok)
        return;
    const QList<ConfigurationDifference> differences =
        ConfigurationDiff::compare(panel, *core, ConfigurationDiff::Scope::PanelHeld);
    UserDialogs::current().showDifferences(
        this, tr(CompareText),
        differences.isEmpty()
            ? tr("No differences: the panel holds this configuration.")
            : tr("Differences between the panel (before) and this configuration (after): %1")
                  .arg(differences.size()),
        differences);
}

void MyMainWindow::slotExportReport() {
    if (refusedForInput(this, centralTabs->advancedWidget(), tr(ExportReportText),
                        tr("Could not export the report.")))
        return;
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    const QString base = fileName.isEmpty()
                             ? QStringLiteral("report.pdf")
                             : QFileInfo(fileName).path() + QLatin1Char('/') +
                                   QFileInfo(fileName).completeBaseName() + QStringLiteral(".pdf");
    QString pdf = UserDialogs::current().saveFileName(this, tr(ExportReportText), base,
                                                      tr("PDF files (*.pdf)"));
    if (pdf.isEmpty())
        return;
    if (QFileInfo(pdf).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        pdf += QStringLiteral(".pdf");
    const QFileInfo info(pdf);
    const QString csv =
        info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".csv");
    CauseEffectReport report(*core);
    report.setSourceName(QFileInfo(fileName).fileName());
    if (!report.writePdf(pdf) || !report.writeCsv(csv)) {
        UserDialogs::current().reportFailure(
            this, tr(ExportReportText), tr("Could not export the report."), report.errorString());
        return;
    }
    UserDialogs::current().inform(
        this, tr(ExportReportText),
        tr("Report saved as %1, matrix as %2.")
            .arg(QDir::toNativeSeparators(pdf), QDir::toNativeSeparators(csv)));
}

void MyMainWindow::showLinkLog(const QList<LinkTrace> &traces) {
    lastTraces = traces;
    if (linkLog)
        linkLog->setTraces(lastTraces);
}

void MyMainWindow::slotViewLinkLog() {
    if (!linkLog)
        linkLog = new LinkLogWindow(this);
    linkLog->setTraces(lastTraces);
    linkLog->show();
    linkLog->raise();
    linkLog->activateWindow();
}

void MyMainWindow::configureSerialPortSlot() {
    SettingsDialog dialog(this, portList);
    dialog.preselect(core->serialSettings.name);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SerialSettings settings = dialog.selectedSettings();
    settings.portSelected = !settings.name.isEmpty();
    core->setSerialSettings(settings);
}

void MyMainWindow::slotUpdateDeviceTree() {
    centralTabs->configurationWidget()->updateDeviceTree();
}

void MyMainWindow::slotUpdateEventActionTables() {
    centralTabs->actionsWidget()->refreshTable();
}

void MyMainWindow::slotUpdateEventActionTrees() {
    centralTabs->actionsWidget()->updateTrees();
}

void MyMainWindow::slotReadNumberOfZones() {
    centralTabs->configurationWidget()->readNumberOfZones();
}

void MyMainWindow::slotReadGeneralConfiguration() {
    centralTabs->advancedWidget()->readGeneralConfiguration();
}

void MyMainWindow::slotWriteGeneralConfiguration() {
    centralTabs->advancedWidget()->writeGeneralConfiguration();
}

void MyMainWindow::setCommandLinePort(const QString &portName) {
    commandLinePort = portName;
    applyCommandLinePort();
}

void MyMainWindow::applyCommandLinePort() {
    if (commandLinePort.isEmpty())
        return;
    SerialSettings settings = core->serialSettings;
    settings.name = commandLinePort;
    settings.portSelected = true;
    core->setSerialSettings(settings);
}

void MyMainWindow::setNamedTitle() {
    setWindowTitle(titlePrefix() + QStringLiteral(" --- ") + fileName);
}

void MyMainWindow::slotNew() {
    if (!UserDialogs::current().askYesNo(
            this, QStringLiteral("Confirmation"),
            QStringLiteral("Do you want to erase current configuration and create a new one")))
        return;

    MyActionsWidget *actions = centralTabs->actionsWidget();
    const int count = int(core->maneuvers.size());
    for (int i = 0; i < count; ++i) {
        core->removeManeuver(0);
        actions->refreshTable();
    }
    core->num_zones = 0;
    const QList<int> named = core->zoneNames().keys();
    for (int zone : named)
        core->setZoneName(zone, QString());
    // With the zones gone the zone editor drops the boards; make sure it also happens
    // when its box already showed "Select".
    centralTabs->configurationWidget()->readNumberOfZones();
    if (core->countElements() != 0) {
        for (Element &slot : core->elements)
            slot.type = Element::Empty;
        centralTabs->configurationWidget()->updateDeviceTree();
    }
    actions->updateTrees();
    core->setDefaults();
    centralTabs->advancedWidget()->readGeneralConfiguration();
    fileName.clear();
    setWindowTitle(titlePrefix());
    rememberSavedState();
}

void MyMainWindow::slotOpen() {
    if (hasUnsavedChanges() &&
        !UserDialogs::current().askYesNo(this, tr("Unsaved changes"),
                                         tr("The current configuration has changes that have "
                                            "not been saved. Discard them and open another "
                                            "file?")))
        return;
    const QString name = UserDialogs::current().openFileName(this, tr("Open Xml"),
                                                             QStringLiteral("."), tr(FileFilter));
    if (name.isEmpty())
        return;
    openFile(name);
}

void MyMainWindow::rememberSavedState() {
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    savedState.copyConfigurationFrom(*core);
}

bool MyMainWindow::hasUnsavedChanges() {
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    return !core->sameConfiguration(savedState);
}

bool MyMainWindow::openFile(const QString &name) {
    auto fresh = std::make_unique<PanelCore>();
    QString reason;
    if (!XmlConfigReader::readFile(name, fresh.get(), &reason)) {
        UserDialogs::current().reportFailure(this, tr("Open Xml"),
                                             tr("Could not open %1.").arg(name), reason);
        return false;
    }
    fileName = name;
    installPanelCore(std::move(fresh));
    myconfigurationwidget *zones = centralTabs->configurationWidget();
    zones->readNumberOfZones();
    zones->updateDeviceTree();
    centralTabs->advancedWidget()->readGeneralConfiguration();
    centralTabs->actionsWidget()->refreshTable();
    centralTabs->actionsWidget()->updateTrees();
    setNamedTitle();
    rememberSavedState();
    return true;
}

void MyMainWindow::installPanelCore(std::unique_ptr<PanelCore> fresh) {
    // The editors learn of the new model before the old one goes away.
    centralTabs->actionsWidget()->setPanelCore(fresh.get());
    centralTabs->advancedWidget()->setPanelCore(fresh.get());
    centralTabs->configurationWidget()->setPanelCore(fresh.get());
    core = std::move(fresh);
    applyCommandLinePort();
}

void MyMainWindow::slotSave() {
    if (fileName.isEmpty())
        slotSaveAs();
    else
        saveToFile(fileName);
}

void MyMainWindow::slotSaveAs() {
    const QString name = UserDialogs::current().saveFileName(this, tr("Save Xml"),
                                                             QStringLiteral("."), tr(FileFilter));
    if (name.isEmpty())
        return;
    if (!saveToFile(name))
        return;
    fileName = name;
    setNamedTitle();
}

bool MyMainWindow::saveToFile(const QString &name) {
    if (refusedForInput(this, centralTabs->advancedWidget(), tr("Save Xml"),
                        tr("Could not save %1.").arg(name)))
        return false;
    MyXMLWriter writer(core.get());
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    if (writer.writeFile(name)) {
        savedState.copyConfigurationFrom(*core);
        return true;
    }
    UserDialogs::current().reportFailure(this, tr("Save Xml"), tr("Could not save %1.").arg(name),
                                         writer.errorString());
    return false;
}

void MyMainWindow::slotAbout() {
    DialogAbout about;
    about.exec();
}

void MyMainWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
    if (UserDialogs::current().askYesNo(this, tr("Close Confirmation"),
                                        tr("Are you sure you want to quit?")))
        event->accept();
}
