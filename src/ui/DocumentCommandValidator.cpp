#include "DocumentCommandValidator.h"

#include <QHash>

#include <functional>

namespace {

using Rule = std::function<bool(const CommandState &)>;

bool changesTable(const CommandState &s)
{
    return s.editable && s.displayMode != 3;
}

bool removesColumns(const CommandState &s)
{
    return changesTable(s) && s.selectedColumns >= 1 && s.selectedColumns != s.columns;
}

const QHash<QString, Rule> &menuRules()
{
    static const QHash<QString, Rule> s_rules = [] {
        QHash<QString, Rule> rules;
        const auto add = [&rules](std::initializer_list<const char *> actions, const Rule &rule) {
            for (const char *action : actions)
                rules.insert(QString::fromLatin1(action), rule);
        };
        add({"invertSelection"}, [](const CommandState &s) { return s.tableHasFocus; });
        add({"deselectAll"},
            [](const CommandState &s) { return s.selectedRows >= 1 || s.selectedColumns >= 1; });
        add({"addNewRow", "insertRows", "addNewColumn", "insertColumns", "removeDuplicateRows"},
            changesTable);
        add({"saveDocument", "saveDocumentAs"}, [](const CommandState &s) { return s.editable; });
        add({"removeSelectedRows"},
            [](const CommandState &s) { return s.editable && s.selectedRows >= 1; });
        add({"selectedRowIsHeader"},
            [](const CommandState &s) { return changesTable(s) && s.selectedRows == 1; });
        add({"removeSelectedColumns", "removeColumnFromCTM"}, removesColumns);
        add({"fillSelectedColumns", "convertColumnContent", "convertColumnContentCTM"},
            [](const CommandState &s) { return changesTable(s) && s.selectedColumns >= 1; });
        add({"editTitleOfSelectedColumn", "editColumnTitleFromCTM"},
            [](const CommandState &s) { return changesTable(s) && s.selectedColumns == 1; });
        add({"findNextAction", "replaceAction", "replaceAndFindNextAction"},
            [](const CommandState &s) { return s.findHitRemembered; });
        add({"mergeSelectedColumns"},
            [](const CommandState &s) { return changesTable(s) && s.selectedColumns >= 2; });
        add({"setAlignmentForSelectedColumns"},
            [](const CommandState &s) { return s.editable && s.selectedColumns >= 1; });
        add({"shiftContent", "rotateContent"},
            [](const CommandState &s) { return s.editable && s.selectedRows >= 1; });
        return rules;
    }();
    return s_rules;
}

} // namespace

bool DocumentCommandValidator::isMenuItemEnabled(QStringView action, const CommandState &state)
{
    if (state.titlePanelOpen)
        return false;
    const auto rule = menuRules().constFind(action.toString());
    return rule == menuRules().constEnd() || (*rule)(state);
}

bool DocumentCommandValidator::isToolbarItemEnabled(QStringView identifier,
                                                    const CommandState &state)
{
    if (!state.editable)
        return false;
    if (identifier == u"AddRow" || identifier == u"AddColumn")
        return state.displayMode != 3;
    if (identifier == u"RemoveRow")
        return state.selectedRows >= 1;
    if (identifier == u"RemoveColumn")
        return state.selectedColumns >= 1 && state.selectedColumns != state.columns;
    return true;
}
