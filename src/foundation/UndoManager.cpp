#include "UndoManager.h"

#include <QtDebug>

#include <algorithm>

UndoManager::UndoManager(QObject *parent) : QObject(parent) {}

UndoManager::~UndoManager() = default;

void UndoManager::registerUndo(Action inverse)
{
    if (!m_openStep) {
        openStep({}, m_nextStepId++);
        m_automaticGroupOpen = true;
        QMetaObject::invokeMethod(
            this, [this] { closeAutomaticGroup(); }, Qt::QueuedConnection);
    }
    m_openStep->actions.push_back(std::move(inverse));
}

void UndoManager::beginUndoGrouping()
{
    if (!m_openStep)
        openStep({}, m_nextStepId++);
    ++m_groupingLevel;
}

void UndoManager::endUndoGrouping()
{
    if (m_groupingLevel == 0) {
        qWarning("Warning: UndoManager endUndoGrouping without an open group");
        return;
    }
    --m_groupingLevel;
    if (m_groupingLevel == 0 && !m_automaticGroupOpen) {
        closeOpenStep();
        emit changed();
    }
}

void UndoManager::closeAutomaticGroup()
{
    if (!m_automaticGroupOpen)
        return;
    m_automaticGroupOpen = false;
    // Inside an explicit group (a nested event loop) the group's end closes the step instead.
    if (m_groupingLevel == 0) {
        closeOpenStep();
        emit changed();
    }
}

void UndoManager::openStep(const QString &name, quint64 id)
{
    m_openStep = std::make_unique<Step>(Step{name, id, {}});
}

void UndoManager::closeOpenStep()
{
    std::unique_ptr<Step> step = std::move(m_openStep);
    if (!step || step->actions.empty())
        return;
    if (m_isUndoing) {
        m_redoStack.push_back(std::move(*step));
        return;
    }
    m_undoStack.push_back(std::move(*step));
    if (m_isRedoing)
        return;
    // A new change forks the history: the steps that could be redone are gone, and with them
    // a clean state that lay among them.
    for (const Step &lost : m_redoStack) {
        if (lost.id == m_cleanStateId)
            m_cleanStateId = s_unreachableState;
    }
    m_redoStack.clear();
}

void UndoManager::setActionName(const QString &key)
{
    if (m_openStep)
        m_openStep->name = key;
    else if (!m_undoStack.empty())
        m_undoStack.back().name = key;
    emit changed();
}

QString UndoManager::undoActionName() const
{
    return m_undoStack.empty() ? QString() : m_undoStack.back().name;
}

QString UndoManager::redoActionName() const
{
    return m_redoStack.empty() ? QString() : m_redoStack.back().name;
}

bool UndoManager::canUndo() const
{
    return !m_undoStack.empty() || (m_automaticGroupOpen && !m_openStep->actions.empty());
}

void UndoManager::undo()
{
    replay(m_undoStack, m_isUndoing);
}

void UndoManager::redo()
{
    replay(m_redoStack, m_isRedoing);
}

void UndoManager::replay(std::vector<Step> &from, bool &flag)
{
    if (m_groupingLevel > 0) {
        qWarning("Warning: UndoManager cannot undo or redo while a group is open");
        return;
    }
    // Undo right after a change in the same event takes back that change.
    closeAutomaticGroup();
    if (from.empty())
        return;
    Step step = std::move(from.back());
    from.pop_back();
    flag = true;
    openStep(step.name, step.id);
    ++m_groupingLevel;
    std::for_each(step.actions.rbegin(), step.actions.rend(), [](const Action &a) { a(); });
    --m_groupingLevel;
    closeOpenStep();
    flag = false;
    emit changed();
}

void UndoManager::removeAllActions()
{
    if (hasUnsavedChanges())
        m_cleanStateId = s_unreachableState;
    else
        m_cleanStateId = 0;
    m_undoStack.clear();
    m_redoStack.clear();
    if (m_openStep)
        m_openStep->actions.clear();
    emit changed();
}

quint64 UndoManager::currentStateId() const
{
    return m_undoStack.empty() ? 0 : m_undoStack.back().id;
}

bool UndoManager::hasUnsavedChanges() const
{
    return m_hasNonUndoableChange || currentStateId() != m_cleanStateId;
}

void UndoManager::markClean()
{
    m_cleanStateId = currentStateId();
    m_hasNonUndoableChange = false;
    emit changed();
}

void UndoManager::recordNonUndoableChange()
{
    m_hasNonUndoableChange = true;
    emit changed();
}
