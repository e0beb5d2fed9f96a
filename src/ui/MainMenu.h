#pragma once

#include "CommandMenuFiller.h"

class QMenuBar;

// The menu bar of a document window: File, Edit, Table, View, Window and Help, every command an
// action name. Commands that are not built yet stand in the menus all the same; the window
// disables what no responder takes.
class MainMenu
{
public:
    using Trigger = CommandMenuFiller::Trigger;

    static void build(QMenuBar *menuBar, const Trigger &trigger);
};
