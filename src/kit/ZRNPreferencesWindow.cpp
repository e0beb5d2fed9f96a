#include "ZRNPreferencesWindow.h"

#include "ZRNCloseButton.h"
#include "ZRNPreferencePane.h"

#include "foundation/UserDefaults.h"

#include <QActionGroup>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

ZRNPreferencesWindow::ZRNPreferencesWindow(const QString &autosaveName, QWidget *parent)
    : QMainWindow(parent)
    , m_autosaveName(autosaveName)
    , m_toolbar(addToolBar(QString()))
    , m_paneActions(new QActionGroup(this))
    , m_stack(new QStackedWidget(this))
{
    setObjectName(autosaveName);
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(m_stack, 1);
    ZRNCloseButton::install(this, layout);
    setCentralWidget(content);
    restoreGeometry(UserDefaults::standard().object(m_autosaveName).toByteArray());
}

void ZRNPreferencesWindow::addPane(ZRNPreferencePane *pane)
{
    m_panes.push_back(pane);
    m_stack->addWidget(pane);
    QAction *action = m_toolbar->addAction(pane->icon(), pane->label());
    action->setToolTip(pane->toolTipText());
    action->setCheckable(true);
    action->setData(pane->identifier());
    m_paneActions->addAction(action);
    connect(action, &QAction::triggered, this, [this, pane] { showPane(pane); });
    if (m_panes.size() == 1)
        showPane(pane);
}

void ZRNPreferencesWindow::selectPane(const QString &identifier)
{
    for (ZRNPreferencePane *pane : m_panes) {
        if (pane->identifier() == identifier)
            showPane(pane);
    }
}

ZRNPreferencePane *ZRNPreferencesWindow::selectedPane() const
{
    return static_cast<ZRNPreferencePane *>(m_stack->currentWidget());
}

void ZRNPreferencesWindow::showPane(ZRNPreferencePane *pane)
{
    pane->willSelect();
    m_stack->setCurrentWidget(pane);
    for (QAction *action : m_paneActions->actions())
        action->setChecked(action->data().toString() == pane->identifier());
    setWindowTitle(pane->label());
}

void ZRNPreferencesWindow::showWindow()
{
    if (ZRNPreferencePane *pane = selectedPane())
        pane->willSelect();
    show();
    raise();
    activateWindow();
}

void ZRNPreferencesWindow::closeEvent(QCloseEvent *event)
{
    UserDefaults::standard().setObject(m_autosaveName, saveGeometry());
    QMainWindow::closeEvent(event);
}
