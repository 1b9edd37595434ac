#include "ui/MyMainWindow.h"

#include "commissioning/BackupStore.h"
#include "images/ConfigurationCheck.h"
#include "link/PanelCore.h"
#include "model/ConfigurationDiff.h"
#include "model/InternalDiagnostics.h"
#include "model/MyXMLWriter.h"
#include "model/ProductInfo.h"
#include "model/XmlConfigReader.h"
#include "report/CauseEffectReport.h"
#include "ui/DialogAbout.h"
#include "ui/LinkLogWindow.h"
#include "ui/MyActionsWidget.h"
#include "ui/MyMainWidget.h"
#include "ui/SettingsDialog.h"
#include "ui/TransferProgressDialog.h"
#include "ui/UserDialogs.h"
#include "ui/myAdvancedConfigurationWidget.h"
#include "ui/myconfigurationwidget.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int DefaultWidth = 960;
constexpr int DefaultHeight = 760;

const char *const FileFilter = QT_TRANSLATE_NOOP("MyMainWindow", "Xml files (*.xml)");
const char *const CompareText = QT_TRANSLATE_NOOP("MyMainWindow", "Compare with panel");
const char *const ExportReportText = QT_TRANSLATE_NOOP("MyMainWindow", "Export report...");
const char *const LinkLogText = QT_TRANSLATE_NOOP("MyMainWindow", "View link log");

QString titlePrefix() {
    return QStringLiteral("TrevUSB Configurator ") + ProductInfo::version() + QStringLiteral(" ") +
           ProductInfo::buildDate();
}

// Where the window shows its modified mark.
const QLatin1String ModifiedMark("[*]");

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

} // namespace

MyMainWindow::MyMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , core(std::make_unique<PanelCore>()) {
    const QFont font = windowFont();
    // Before any widget exists, so that every text is built in one language.
    loadLanguage(LanguageCatalog::defaultCode());
    core->num_zones = 0;
    setWindowTitle(ProductInfo::productLine() + ProductInfo::model() + ProductInfo::version() +
                   QStringLiteral(" ") + ProductInfo::buildDate() + ModifiedMark);
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

    // Checked once the event that edited something is over: an editor that is still
    // being reloaded must not be compared, nor stored into the model half done.
    modifiedCheck.setSingleShot(true);
    modifiedCheck.setInterval(0);
    connect(&modifiedCheck, &QTimer::timeout, this,
            [this] { setWindowModified(hasUnsavedChanges()); });
    const auto edited = [this] {
        modifiedCheck.start();
    };
    myconfigurationwidget *zones = centralTabs->configurationWidget();
    connect(zones, &myconfigurationwidget::signalElementAddedRemovedModified, this, edited);
    connect(zones, &myconfigurationwidget::signalNumberOfZonesModified, this, edited);
    connect(zones, &myconfigurationwidget::signalZoneNamesModified, this, edited);
    connect(centralTabs->actionsWidget(), &MyActionsWidget::edited, this, edited);
    connect(centralTabs->advancedWidget(), &myAdvancedConfigurationWidget::edited, this, edited);
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

    const QStringList codes = LanguageCatalog::codes();
    for (const QString &code : codes) {
        auto *action = new QAction(QLocale::languageToString(QLocale(code).language()), this);
        action->setCheckable(true);
        action->setData(code);
        action->setObjectName(QStringLiteral("language_") + code);
        menu->addAction(action);
        languageGroup->addAction(action);
        action->setChecked(code == currentLanguageCode);
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
    qCDebug(internalDiagnostics) << "rLanguage: " << code;
    // Qt's own texts (standard buttons) follow the application's language.
    QCoreApplication::removeTranslator(&qtTranslator);
    if (qtTranslator.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
    switchTranslator(translator, LanguageCatalog::fileName(code));
    if (languageGroup) {
        for (QAction *action : languageGroup->actions())
            action->setChecked(action->data().toString() == code);
    }
}

void MyMainWindow::switchTranslator(QTranslator &translator, const QString &file) {
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(file, LanguageCatalog::directory()))
        QCoreApplication::installTranslator(&translator);
}

void MyMainWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LocaleChange) {
        loadLanguage(LanguageCatalog::defaultCode());
    } else if (event->type() == QEvent::LanguageChange && centralTabs) {
        qCDebug(internalDiagnostics) << "Language Changed";
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

void MyMainWindow::reportTransferFailure(const QString &title, const QString &text,
                                         const QString &outcome) {
    QString reason = core->transferError();
    if (!reason.isEmpty())
        reason[0] = reason.at(0).toUpper();
    if (!outcome.isEmpty())
        reason += QStringLiteral("\n\n") + outcome;
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

QStringList MyMainWindow::inputProblems() const {
    QStringList problems;
    const std::pair<QStringList, const QWidget *> editors[] = {
        {centralTabs->configurationWidget()->inputProblems(), centralTabs->configurationWidget()},
        {centralTabs->advancedWidget()->inputProblems(), centralTabs->advancedWidget()}};
    for (const auto &[found, page] : editors) {
        if (!found.isEmpty())
            problems << tr("On the page %1:").arg(centralTabs->pageTitle(page)) << found;
    }
    return problems;
}

// A field holding what cannot be stored leaves the model's old value in place, so nothing
// may be saved, sent or reported until it is corrected.
bool MyMainWindow::refusedForInput(const QString &title, const QString &text) {
    const QStringList problems = inputProblems();
    if (problems.isEmpty())
        return false;
    UserDialogs::current().reportFailure(this, title, text,
                                         tr("Correct these fields first:") + QLatin1Char('\n') +
                                             problems.join(QLatin1Char('\n')));
    return true;
}

bool MyMainWindow::downloadWouldLoseEdits() {
    // Zones and boards stay: the panel does not store them. A field typed but not yet
    // storable is an edit too.
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    return !centralTabs->advancedWidget()->inputProblems().isEmpty() ||
           core->panelHeld() != savedState.panelHeld();
}

void MyMainWindow::slotDownloadConfig() {
    if (core->num_zones == 0) {
        UserDialogs::current().inform(this, tr("Download Panel"),
                                      tr("please, introduce a number of zones"));
        return;
    }
    if (!settleUnsavedChanges(downloadWouldLoseEdits(),
                              tr("The current configuration has changes that have not been "
                                 "saved. Save them before reading the configuration of the "
                                 "panel?")))
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
    setWindowModified(hasUnsavedChanges()); // what was read is in no file yet
    UserDialogs::current().inform(this, tr("Download Panel"), tr("Download ok"));
}

void MyMainWindow::slotUploadConfig() {
    if (refusedForInput(tr("Upload Panel"), tr("Error uploading to panel.")))
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
    PanelConfiguration panel;
    bool panelRead = false;
    BackupStore store;
    if (!backUpBeforeUpload(panel, panelRead, store) ||
        !confirmUpload(panelRead ? &panel : nullptr))
        return;
    const QString backupFile = store.lastBackup();

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
        reportTransferFailure(
            tr("Upload Panel"), tr("Error uploading to panel."),
            core->panelPartlyWritten()
                ? BackupStore::partlyWrittenAdvice(backupFile, core->serialSettings.name)
                : QString());
        return;
    }
    QString text = tr("Upload ok!");
    if (verify)
        text += QLatin1Char('\n') + tr("Every record was read back from the panel and matches "
                                       "what was sent.");
    if (!backupFile.isEmpty())
        text += QLatin1Char('\n') + tr("The panel's previous configuration was saved as %1.")
                                        .arg(QDir::toNativeSeparators(backupFile));
    if (!store.viewProblem().isEmpty())
        text += QLatin1Char('\n') + tr("It is kept as the panel's records only, without an XML "
                                       "view: %1")
                                        .arg(store.viewProblem());
    // The backup taken before this upload must outlive later failing retries.
    if (!backupFile.isEmpty() && !store.recordSuccessfulUpload())
        text += QLatin1Char('\n') + store.errorString();
    UserDialogs::current().inform(this, tr("Upload Panel"), text);
}

void MyMainWindow::prepareForPanel(PanelConfiguration &panel) const {
    panel.takeInstallationFrom(*core);
}

bool MyMainWindow::backUpBeforeUpload(PanelConfiguration &panel, bool &panelRead,
                                      BackupStore &store) {
    prepareForPanel(panel);
    {
        TransferProgressDialog progress(tr("Reading the panel for a backup..."),
                                        PanelCore::ProgressMaximum, this);
        progress.setWindowTitle(tr("Upload Panel"));
        connect(core.get(), &PanelCore::progress, &progress, &QProgressDialog::setValue);
        panelRead = core->downloadConfigInto(panel);
    }
    // The trace holds the last transfer only: keep the backup's before the upload's.
    showLinkLog({core->linkTrace()});
    if (panelRead && store.save(panel, core->lastReadRecords()))
        return true;
    // A panel out of reach would only fail the upload too, after a question and another
    // wait.
    if (!panelRead && BackupStore::outOfReach(core->transferFailure())) {
        reportTransferFailure(tr("Upload Panel"), tr("Error uploading to panel."));
        return false;
    }
    QString reason = panelRead ? store.errorString() : core->transferError();
    if (!reason.isEmpty())
        reason[0] = reason.at(0).toUpper();
    return UserDialogs::current().askYesNo(
        this, tr("Upload Panel"),
        tr("No backup of the panel's configuration could be made:") + QLatin1Char('\n') + reason +
            QStringLiteral("\n\n") +
            tr("Upload without a backup? The panel's present configuration will be lost."));
}

bool MyMainWindow::confirmUpload(const PanelConfiguration *panel) {
    QStringList text;
    QStringList warnings;
    for (const ConfigurationProblem &problem : ConfigurationCheck::check(*core)) {
        if (!problem.isError())
            warnings << QStringLiteral("- ") + problem.message;
    }
    if (!warnings.isEmpty())
        text << tr("Warnings about this configuration:") << warnings << QString();
    QList<ConfigurationDifference> changes;
    if (!panel) {
        text << tr("The panel could not be read, so what it holds now is unknown. Write this "
                   "configuration to it?");
    } else {
        changes = ConfigurationDiff::compare(*panel, *core, ConfigurationDiff::Scope::PanelHeld);
        text << (changes.isEmpty() ? tr("The panel already holds this configuration. Write it "
                                        "again?")
                                   : tr("These changes will be written to the panel:"));
    }
    return UserDialogs::current().confirmDifferences(this, tr("Upload Panel"),
                                                     text.join(QLatin1Char('\n')), changes);
}

bool MyMainWindow::readPanelInto(PanelConfiguration &panel, const QString &title,
                                 const QString &label) {
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
    if (refusedForInput(tr(CompareText), tr("Could not compare with the panel.")))
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
    PanelConfiguration panel;
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
    if (refusedForInput(tr(ExportReportText), tr("Could not export the report.")))
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
    if (!sessionPort.isEmpty() && settings.portSelected)
        sessionPort = settings.name;
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
    sessionPort = portName;
    applySessionPort();
}

void MyMainWindow::applySessionPort() {
    if (sessionPort.isEmpty())
        return;
    SerialSettings settings = core->serialSettings;
    settings.name = sessionPort;
    settings.portSelected = true;
    core->setSerialSettings(settings);
}

void MyMainWindow::setNamedTitle() {
    setWindowTitle(titlePrefix() + QStringLiteral(" --- ") + fileName + ModifiedMark);
}

void MyMainWindow::slotNew() {
    const bool go =
        hasUnsavedChanges()
            ? settleUnsavedChanges(true, tr("The current configuration has changes that have "
                                            "not been saved. Save them before creating a new "
                                            "configuration?"))
            : UserDialogs::current().askYesNo(
                  this, tr("Confirmation"),
                  tr("Do you want to erase current configuration and create a new one"));
    if (!go)
        return;

    // Nothing of the previous site stays (addresses, logins, passwords); the serial
    // settings do, they belong to this computer.
    *core = PanelConfiguration();
    myconfigurationwidget *zones = centralTabs->configurationWidget();
    zones->readNumberOfZones();
    zones->updateDeviceTree();
    centralTabs->advancedWidget()->readGeneralConfiguration();
    centralTabs->actionsWidget()->refreshTable();
    centralTabs->actionsWidget()->updateTrees();
    fileName.clear();
    setWindowTitle(titlePrefix() + ModifiedMark);
    rememberSavedState();
}

bool MyMainWindow::settleUnsavedChanges(bool unsaved, const QString &question) {
    if (!unsaved)
        return true;
    switch (UserDialogs::current().askSaveChanges(this, tr("Unsaved changes"), question)) {
    case UserDialogs::UnsavedChanges::Save:
        return saveConfiguration();
    case UserDialogs::UnsavedChanges::Discard:
        return true;
    case UserDialogs::UnsavedChanges::Cancel:
        break;
    }
    return false;
}

void MyMainWindow::slotOpen() {
    if (!settleUnsavedChanges(hasUnsavedChanges(),
                              tr("The current configuration has changes that have not been "
                                 "saved. Save them before opening another file?")))
        return;
    const QString name = UserDialogs::current().openFileName(this, tr("Open Xml"),
                                                             QStringLiteral("."), tr(FileFilter));
    if (name.isEmpty())
        return;
    openFile(name);
}

void MyMainWindow::rememberSavedState() {
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    savedState = *core;
    setWindowModified(false);
}

bool MyMainWindow::hasUnsavedChanges() {
    // A field typed but not yet storable is an edit the model does not hold.
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    return !inputProblems().isEmpty() || *core != savedState;
}

bool MyMainWindow::openFile(const QString &name) {
    auto fresh = std::make_unique<PanelCore>();
    QString reason;
    XmlConfigReader::Notes notes;
    if (!XmlConfigReader::readFile(name, fresh.get(), &reason, &notes)) {
        UserDialogs::current().reportFailure(this, tr("Open Xml"),
                                             tr("Could not open %1.").arg(name), reason);
        return false;
    }
    if (!notes.problems.isEmpty()) {
        QStringList lines;
        for (const ConfigurationProblem &p : notes.problems)
            lines << p.message;
        UserDialogs::current().inform(
            this, tr("Open Xml"),
            tr("Check these points of %1 before uploading it:").arg(name) + QLatin1Char('\n') +
                lines.join(QLatin1Char('\n')));
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
    applySessionPort();
}

void MyMainWindow::slotSave() {
    saveConfiguration();
}

void MyMainWindow::slotSaveAs() {
    saveConfigurationAs();
}

bool MyMainWindow::saveConfiguration() {
    return fileName.isEmpty() ? saveConfigurationAs() : saveToFile(fileName);
}

bool MyMainWindow::saveConfigurationAs() {
    const QString name = UserDialogs::current().saveFileName(this, tr("Save Xml"),
                                                             QStringLiteral("."), tr(FileFilter));
    if (name.isEmpty() || !saveToFile(name))
        return false;
    fileName = name;
    setNamedTitle();
    return true;
}

bool MyMainWindow::saveToFile(const QString &name) {
    if (refusedForInput(tr("Save Xml"), tr("Could not save %1.").arg(name)))
        return false;
    MyXMLWriter writer(core.get());
    centralTabs->advancedWidget()->writeGeneralConfiguration();
    if (writer.writeFile(name)) {
        savedState = *core;
        setWindowModified(false);
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
    const bool leave =
        hasUnsavedChanges()
            ? settleUnsavedChanges(true, tr("The current configuration has changes that have "
                                            "not been saved. Save them before quitting?"))
            : UserDialogs::current().askYesNo(this, tr("Close Confirmation"),
                                              tr("Are you sure you want to quit?"));
    if (leave)
        event->accept();
}
