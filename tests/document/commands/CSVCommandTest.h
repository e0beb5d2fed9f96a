#pragma once

#include "document/CSVDocument.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// A command run on a document of the case's rows, shown in three columns "1" to "3". The test
// (CSVCommandsTest.cpp) checks the whole state after the command, after its undo and after its
// redo; each file of commands instantiates its own table of cases.
struct CommandCase
{
    const char *name;
    QStringList lines;
    // Filters, selects or moves columns before the command; this is not part of its step.
    std::function<void(CSVDocument &)> setup;
    std::function<void(CSVDocument &)> command;
    const char *after;
    const char *afterUndo;

    friend void PrintTo(const CommandCase &c, std::ostream *os) { *os << c.name; }
};

class CSVCommandTest : public ::testing::TestWithParam<CommandCase>
{
protected:
    void SetUp() override;

    CSVDocument m_document;
};

// Rows "a0,b0,c0", "a1,b1,c1", ...
QStringList numberedLines(int count);
