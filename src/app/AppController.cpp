#include "AppController.h"

#include "DocumentController.h"
#include "FactoryDefaults.h"

#include "feedback/RecoveryFile.h"
#include "feedback/RecoverySession.h"
#include "feedback/ZRNCrashReporter.h"
#include "foundation/DefaultsKeys.h"
#include "foundation/Error.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/UserDefaults.h"
#include "kit/ZRNFontPanel.h"
#include "kit/ZRNPreferencesWindow.h"
#include "rules/CSVRulesManager.h"
#include "ui/AboutWindow.h"
#include "ui/CellColorPrefPanel.h"
#include "ui/CrashReporterWindow.h"
#include "ui/DocumentWindow.h"
#include "ui/FeedbackWindow.h"
#include "ui/GeneralPreferencePanel.h"
#include "ui/RecoveryOffer.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDialog>
#include <QLocale>
#include <QScreen>

AppController::AppController(QObject *parent)
    : QObject(parent), m_documentController(std::make_unique<DocumentController>(this))
{
    FactoryDefaults::registerAll();
    connect(m_documentController.get(), &DocumentController::currentWindowChanged, this,
            &AppController::windowBecameCurrent);
    connect(m_documentController.get(), &DocumentController::openingLeftNothingOpen, this,
            &AppController::quitIfNothingIsShown, Qt::QueuedConnection);
}

AppController::~AppController() = default;

void AppController::launch(const QStringList &files)
{
    applicationWillFinishLaunching();
    openLaunchDocuments(files);
    applicationDidFinishLaunching();
}

void AppController::applicationWillFinishLaunching()
{
    m_preferencesWindow = std::make_unique<ZRNPreferencesWindow>(
        QStringLiteral("TabwrightPreferenceWindowController"));
    m_generalPanel = new GeneralPreferencePanel(m_preferencesWindow.get());
    m_preferencesWindow->addPane(m_generalPanel);
    m_preferencesWindow->addPane(
        new CellColorPrefPanel(CSVRulesManager::sharedManager(), m_preferencesWindow.get()));
}

// With no file to open and no empty document wanted, the user is asked for a file: a desktop
// application without any window could not be reached at all.
void AppController::openLaunchDocuments(const QStringList &files)
{
    if (!files.isEmpty())
        m_documentController->openDocuments(files);
    else if (UserDefaults::standard().boolForKey(
                 QString::fromLatin1(DefaultsKeys::OpenEmptyDocument)))
        m_documentController->newDocument();
    else
        m_documentController->runOpenPanel();
}

// A crash report an earlier run left is offered first, then the unsaved work it left.
void AppController::applicationDidFinishLaunching()
{
    CrashReporterWindow::checkForCrash(ZRNCrashReporter::standard(), [this] { offerRecovery(); });
}

void AppController::offerRecovery()
{
    RecoverySession &session = m_documentController->recoverySession();
    std::vector<std::pair<QString, RecoveryFile>> found;
    std::vector<RecoveryOffer::Document> offered;
    const QStringList copies = session.abandonedCopies();
    for (const QString &copy : copies) {
        Error error;
        std::optional<RecoveryFile> file = RecoveryFile::read(copy, &error);
        if (!file) {
            qWarning("Warning: %s", qPrintable(error.localizedDescription()));
            continue;
        }
        offered.push_back(
            {file->title(), file->filePath(),
             QLocale().toString(QFileInfo(copy).lastModified(), QLocale::ShortFormat)});
        found.emplace_back(copy, std::move(*file));
    }
    if (found.empty()) {
        session.discardAbandoned();
        return;
    }
    RecoveryOffer::ask(offered, [this, found = std::move(found)](bool recover) {
        RecoverySession &session = m_documentController->recoverySession();
        for (const auto &[copy, file] : found) {
            if (recover)
                m_documentController->openRecoveredDocument(file, session.adopt(copy));
        }
        session.discardAbandoned();
    });
}

void AppController::newDocument()
{
    m_documentController->newDocument();
}

void AppController::openDocument()
{
    m_documentController->runOpenPanel();
}

void AppController::openRecentDocument(const QString &path)
{
    m_documentController->openDocuments({path});
}

void AppController::clearRecentDocuments()
{
    DocumentController::clearRecentDocuments();
}

void AppController::insertDocument()
{
    m_documentController->insertDocument();
}

void AppController::newDocumentFromSelection()
{
    m_documentController->newDocumentFromSelection();
}

void AppController::newDocumentFromPasteboard()
{
    m_documentController->newDocumentFromPasteboard();
}

void AppController::showPreferences()
{
    m_preferencesWindow->showWindow();
}

void AppController::showSendFeedbackDialog()
{
    if (!m_feedbackWindow)
        m_feedbackWindow = std::make_unique<FeedbackWindow>();
    m_feedbackWindow->showFeedbackProviderDialog();
}

void AppController::showAboutBox()
{
    if (!m_aboutWindow)
        m_aboutWindow = std::make_unique<AboutWindow>();
    m_aboutWindow->adjustSize();
    if (const QScreen *screen = QApplication::primaryScreen())
        m_aboutWindow->move(screen->availableGeometry().center() - m_aboutWindow->rect().center());
    m_aboutWindow->show();
    m_aboutWindow->raise();
    m_aboutWindow->activateWindow();
}

// One font panel for the whole application; it works on whichever document is current.
void AppController::orderFrontFontPanel()
{
    if (!m_fontPanel) {
        m_fontPanel = new QFontDialog;
        m_fontPanel->setAttribute(Qt::WA_DeleteOnClose);
        m_fontPanel->setOption(QFontDialog::NoButtons);
        m_fontPanel->setWindowTitle(localized("LSFontPanelTitle"));
        connect(m_fontPanel, &QFontDialog::currentFontChanged, this, &AppController::changeFont);
    }
    windowBecameCurrent(m_documentController->currentWindow());
    m_fontPanel->show();
    m_fontPanel->raise();
}

void AppController::changeFont(const QFont &font)
{
    if (DocumentWindow *window = m_documentController->currentWindow())
        window->setTableViewFont(font);
}

// The font panel shows the font of the current document.
void AppController::windowBecameCurrent(DocumentWindow *window)
{
    if (!m_fontPanel || !window)
        return;
    const QSignalBlocker blocker(m_fontPanel);
    ZRNFontPanel::showFont(*m_fontPanel, window->tableViewFont());
}

// Nothing would be left to reach the application by, as after the last window was closed:
// the files of a launch were all cancelled or failed, or its open panel was cancelled.
void AppController::quitIfNothingIsShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    if (m_documentController->windows().empty() &&
        std::ranges::none_of(windows, [](const QWidget *w) { return w->isVisible(); }))
        QApplication::quit();
}

void AppController::terminate()
{
    m_documentController->closeAllDocuments([](bool allClosed) {
        if (allClosed)
            QApplication::quit();
    });
}
