#pragma once

#include <QMainWindow>

#include <vector>

class QActionGroup;
class QStackedWidget;
class ZRNPreferencePane;

// The preferences window: a toolbar with one button per pane, the chosen pane below it. Its
// frame is kept in the settings under the autosave name.
class ZRNPreferencesWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ZRNPreferencesWindow(const QString &autosaveName, QWidget *parent = nullptr);

    // Panes appear in the order they are added; the first added is shown first.
    void addPane(ZRNPreferencePane *pane);
    void selectPane(const QString &identifier);
    ZRNPreferencePane *selectedPane() const;
    const std::vector<ZRNPreferencePane *> &panes() const { return m_panes; }

    // Shows the window, makes it key and brings it to the front.
    void showWindow();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showPane(ZRNPreferencePane *pane);

    QString m_autosaveName;
    QToolBar *m_toolbar = nullptr;
    QActionGroup *m_paneActions = nullptr;
    QStackedWidget *m_stack = nullptr;
    std::vector<ZRNPreferencePane *> m_panes;
};
