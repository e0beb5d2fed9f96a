#include "DocumentCommands.h"

#include "CSVTableView.h"
#include "DocumentWindow.h"

#include "document/CSVDocument.h"

namespace {

using Window = DocumentWindow;
using Sender = CommandSender;

} // namespace

// One line per command: the action name, what it does, and, where the window's rules do not
// say it all, when it is available.
const QHash<QString, DocumentCommand> &documentCommands()
{
    static const QHash<QString, DocumentCommand> s_commands = {
        {QStringLiteral("undo"),
         {[](Window &w, const Sender &) { w.document().undoManager().undo(); },
          [](const Window &w, const Sender &) { return w.document().undoManager().canUndo(); }}},
        {QStringLiteral("redo"),
         {[](Window &w, const Sender &) { w.document().undoManager().redo(); },
          [](const Window &w, const Sender &) { return w.document().undoManager().canRedo(); }}},
        {QStringLiteral("selectAll"),
         {[](Window &w, const Sender &) { w.tableView()->selectAll(); }}},
        {QStringLiteral("performClose"), {[](Window &w, const Sender &) { w.close(); }}},
        {QStringLiteral("performMiniaturize"),
         {[](Window &w, const Sender &) { w.showMinimized(); }}},
    };
    return s_commands;
}
