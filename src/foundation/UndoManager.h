#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

// Records the inverse of every change as a closure and replays them as undo and redo steps.
//
// A primitive registers its inverse, then changes the data. Undoing a step runs its inverses in
// reverse order; each inverse, being a primitive itself, registers its own inverse, and those
// form the redo step (and, when redoing, the undo step again). The step recorded while undoing
// or redoing takes the name of the step it replays.
//
// One user action is one step: a command opens an UndoGroup. A change registered while no group
// is open opens one that closes when control returns to the event loop, so the changes made
// while handling one event also form one step.
class UndoManager : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void()>;

    explicit UndoManager(QObject *parent = nullptr);
    ~UndoManager() override;

    void registerUndo(Action inverse);

    void beginUndoGrouping();
    void endUndoGrouping();

    // Names the step being recorded, or the last one recorded when none is open. Names are
    // string-table keys ("LSUDAddRow").
    void setActionName(const QString &key);
    QString undoActionName() const;
    QString redoActionName() const;

    bool canUndo() const;
    bool canRedo() const { return !m_redoStack.empty(); }
    void undo();
    void redo();
    bool isUndoing() const { return m_isUndoing; }
    bool isRedoing() const { return m_isRedoing; }

    // Forgets every step. Whether there are unsaved changes stays as it was.
    void removeAllActions();

    // Unsaved changes: the state differs from the one marked clean (at open or save), or a change
    // was made that no step can take back.
    bool hasUnsavedChanges() const;
    void markClean();
    void recordNonUndoableChange();

signals:
    // Anything the Edit menu or the window's "edited" mark shows may have changed.
    void changed();

private:
    struct Step
    {
        QString name;
        quint64 id = 0; // the state the document is in after the step; kept across undo/redo
        std::vector<Action> actions;
    };

    void openStep(const QString &name, quint64 id);
    void closeOpenStep();
    void closeAutomaticGroup();
    void replay(std::vector<Step> &from, bool &flag);
    quint64 currentStateId() const;

    std::vector<Step> m_undoStack;
    std::vector<Step> m_redoStack;
    std::unique_ptr<Step> m_openStep;
    int m_groupingLevel = 0;
    bool m_automaticGroupOpen = false;
    bool m_isUndoing = false;
    bool m_isRedoing = false;
    quint64 m_nextStepId = 1;
    static constexpr quint64 s_unreachableState = ~quint64(0);
    quint64 m_cleanStateId = 0;
    bool m_hasNonUndoableChange = false;
};

// Opens an undo group for the lifetime of the object: every change a command makes while it
// lives is one step.
class UndoGroup
{
public:
    explicit UndoGroup(UndoManager &manager) : m_manager(manager) { m_manager.beginUndoGrouping(); }
    ~UndoGroup() { m_manager.endUndoGrouping(); }
    UndoGroup(const UndoGroup &) = delete;
    UndoGroup &operator=(const UndoGroup &) = delete;

private:
    UndoManager &m_manager;
};
