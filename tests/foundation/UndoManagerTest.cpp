#include "foundation/UndoManager.h"

#include "support/NamedCase.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using NamedCases::PrintTo;

// A text that grows and shrinks through two primitives, each the inverse of the other.
class TextModel
{
public:
    void append(const QString &piece)
    {
        m_undo.registerUndo([this, n = piece.size()] { chop(n); });
        m_text += piece;
        m_log << QStringLiteral("+%1%2").arg(piece, flags());
    }
    void chop(qsizetype n)
    {
        const QString removed = m_text.right(n);
        m_undo.registerUndo([this, removed] { append(removed); });
        m_text.chop(n);
        m_log << QStringLiteral("-%1%2").arg(removed, flags());
    }
    // The whole observable state in one line.
    QString state() const
    {
        return QStringLiteral("text=%1 undo=%2 redo=%3 %4")
            .arg(m_text, m_undo.canUndo() ? m_undo.undoActionName() : QStringLiteral("-"),
                 m_undo.canRedo() ? m_undo.redoActionName() : QStringLiteral("-"),
                 m_undo.hasUnsavedChanges() ? QStringLiteral("dirty") : QStringLiteral("clean"));
    }
    QString flags() const
    {
        return m_undo.isUndoing()   ? QStringLiteral("(u)")
               : m_undo.isRedoing() ? QStringLiteral("(r)")
                                    : QString();
    }

    UndoManager m_undo;
    QString m_text;
    QStringList m_log;
};

TEST(UndoManagerTest, GroupUndoesInReverseOrderAndRedoesUnderTheSameName)
{
    TextModel model;
    {
        UndoGroup group(model.m_undo);
        model.append(QStringLiteral("a"));
        model.append(QStringLiteral("bc"));
        model.m_undo.setActionName(QStringLiteral("LSUDAddRow"));
    }
    QStringList states = {model.state()};
    model.m_undo.undo();
    states += model.state();
    model.m_undo.redo();
    states += model.state();
    EXPECT_EQ(states, QStringList({"text=abc undo=LSUDAddRow redo=- dirty",
                                   "text= undo=- redo=LSUDAddRow clean",
                                   "text=abc undo=LSUDAddRow redo=- dirty"}));
    EXPECT_EQ(model.m_log, QStringList({"+a", "+bc", "-bc(u)", "-a(u)", "+a(r)", "+bc(r)"}));
}

TEST(UndoManagerTest, ChangesOfOneEventFormOneStepClosedByTheEventLoop)
{
    TextModel model;
    model.append(QStringLiteral("a"));
    model.append(QStringLiteral("b"));
    QCoreApplication::processEvents();
    model.append(QStringLiteral("c"));
    QCoreApplication::processEvents();
    model.m_undo.undo();
    EXPECT_EQ(model.m_text, "ab");
    model.m_undo.undo();
    EXPECT_EQ(model.state(), "text= undo=- redo= clean");
}

// Undo within the event that made the change takes back the step still open; a change after an
// undo forgets the redo step.
TEST(UndoManagerTest, UndoInTheSameEventTakesBackTheOpenStepAndANewChangeForgetsRedo)
{
    TextModel model;
    model.append(QStringLiteral("a"));
    model.m_undo.setActionName(QStringLiteral("First"));
    model.m_undo.undo();
    const QString afterUndo = model.state();
    model.append(QStringLiteral("b"));
    model.m_undo.setActionName(QStringLiteral("Second"));
    QCoreApplication::processEvents();
    EXPECT_EQ(afterUndo + u'/' + model.state(),
              "text= undo=- redo=First clean/text=b undo=Second redo=- dirty");
}

// Each case is a script: a change, u undo, r redo, s save (mark clean), n a change no step can
// take back, c forget all steps; and the unsaved-changes state after each command (D or C).
struct CleanStateCase
{
    const char *name;
    const char *script;
    const char *expected;
};

class UndoManagerCleanStateTest : public ::testing::TestWithParam<CleanStateCase>
{};

TEST_P(UndoManagerCleanStateTest, TracksUnsavedChanges)
{
    TextModel model;
    QString seen;
    UndoManager &undo = model.m_undo;
    const std::map<char, std::function<void()>> commands = {
        {'a',
         [&] {
             model.append(QStringLiteral("x"));
             QCoreApplication::processEvents();
         }},
        {'u', [&] { undo.undo(); }},
        {'r', [&] { undo.redo(); }},
        {'s', [&] { undo.markClean(); }},
        {'n', [&] { undo.recordNonUndoableChange(); }},
        {'c', [&] { undo.removeAllActions(); }},
    };
    for (const char command : std::string(GetParam().script)) {
        commands.at(command)();
        seen += undo.hasUnsavedChanges() ? u'D' : u'C';
    }
    EXPECT_EQ(seen, QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, UndoManagerCleanStateTest,
    ::testing::Values(CleanStateCase{"UndoToTheStart", "auru", "DCDC"},
                      CleanStateCase{"SaveThenUndoIsDirty", "asur", "DCDC"},
                      CleanStateCase{"ForkAfterSaveLosesTheCleanState", "asuau", "DCDDD"},
                      CleanStateCase{"ForkBeforeSaveKeepsIt", "asaua", "DCDCD"},
                      CleanStateCase{"NonUndoableStaysDirtyUntilSaved", "naus", "DDDC"},
                      CleanStateCase{"ClearKeepsDirty", "acu", "DDD"},
                      CleanStateCase{"ClearKeepsClean", "ascau", "DCCDC"}),
    caseName);

} // namespace
