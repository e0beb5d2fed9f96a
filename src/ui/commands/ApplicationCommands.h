#pragma once

#include <QString>

// What the commands that belong to no one document ask of the application: new and open
// documents, the application's own windows, quitting. The application delegate answers them.
class ApplicationCommands
{
public:
    virtual ~ApplicationCommands() = default;

    virtual void newDocument() = 0;
    virtual void openDocument() = 0;
    virtual void openRecentDocument(const QString &path) = 0;
    virtual void clearRecentDocuments() = 0;
    virtual void insertDocument() = 0;
    virtual void newDocumentFromSelection() = 0;
    virtual void newDocumentFromPasteboard() = 0;
    virtual void showPreferences() = 0;
    virtual void showAboutBox() = 0;
    virtual void showSendFeedbackDialog() = 0;
    virtual void orderFrontFontPanel() = 0;
    virtual void terminate() = 0;
};
