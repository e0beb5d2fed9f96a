#pragma once

#include "ui/commands/ApplicationCommands.h"

#include <QFontDialog>
#include <QObject>
#include <QPointer>

#include <memory>

class AboutWindow;
class FeedbackWindow;
class DocumentController;
class DocumentWindow;
class GeneralPreferencePanel;
class ZRNPreferencesWindow;

// The application's delegate: registers the factory settings, makes the preferences window and
// the document controller, opens the documents at launch, and answers the commands that belong
// to no document window (new, open, preferences, the font panel, reopening with an encoding).
class AppController : public QObject, public ApplicationCommands
{
    Q_OBJECT

public:
    explicit AppController(QObject *parent = nullptr);
    ~AppController() override;

    // In this order: the preferences window and its panes, the documents (the files given, or
    // an empty one when the settings ask for it), then what needs the documents in place.
    void launch(const QStringList &files);

    DocumentController &documentController() const { return *m_documentController; }
    GeneralPreferencePanel *generalPreferencePanel() const { return m_generalPanel; }
    QFontDialog *fontPanel() const { return m_fontPanel; }

    void newDocument() override;
    void openDocument() override;
    void openRecentDocument(const QString &path) override;
    void clearRecentDocuments() override;
    void insertDocument() override;
    void newDocumentFromSelection() override;
    void newDocumentFromPasteboard() override;
    void showPreferences() override;
    void showAboutBox() override;
    void showSendFeedbackDialog() override;
    void orderFrontFontPanel() override;
    void terminate() override;
    // Gives the current document the font the panel shows; nothing without a current document.
    void changeFont(const QFont &font);

private:
    void applicationWillFinishLaunching();
    void openLaunchDocuments(const QStringList &files);
    void applicationDidFinishLaunching();
    void windowBecameCurrent(DocumentWindow *window);
    void offerRecovery();
    void quitIfNothingIsShown();

    std::unique_ptr<DocumentController> m_documentController;
    std::unique_ptr<ZRNPreferencesWindow> m_preferencesWindow;
    GeneralPreferencePanel *m_generalPanel = nullptr;
    std::unique_ptr<AboutWindow> m_aboutWindow;
    std::unique_ptr<FeedbackWindow> m_feedbackWindow;
    QPointer<QFontDialog> m_fontPanel;
};
