#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A home of its own for a program the test starts: its settings, crash reports, log and
// recovery copies stay in the test's folder.
class PrivateHome
{
public:
    PrivateHome();

    QProcessEnvironment environment() const { return m_environment; }
    // The program's state folder: crash reports, the log, recovery/.
    QString stateFolder() const;

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
};
