#pragma once

#include "document/commands/CSVRemoval.h"

class QWidget;

// Removing the selected rows or columns of a window's document: asks first ("LSno" is the
// default, "LSyes" removes), with a box that stops the question for that kind from now on,
// unless the user ticked it before. Nothing selected, nothing asked.
namespace RemovalQuestion {

void ask(QWidget *window, CSVDocument &document, CSVRemoval::Kind kind);

} // namespace RemovalQuestion
