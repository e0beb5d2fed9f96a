#pragma once

#include "commands/CommandMenuFiller.h"

class QMenuBar;

// The menu bar of a document window: File, Edit, Table, View, Window and Help. Each item is a
// command of the registry, titled and keyed as declared there; commands not built yet stand in
// the menus all the same, never offered.
class MainMenu
{
public:
    using Trigger = CommandMenuFiller::Trigger;

    static void build(QMenuBar *menuBar, const Trigger &trigger);
};
