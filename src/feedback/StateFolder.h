#pragma once

#include <QString>

// The per-user folder of what the program leaves behind for its next run: crash reports
// ("tabwright_<date>_<time>.crash"), the log ("tabwright.log") and the recovery copies of
// unsaved documents ("recovery/"). It is the application's local data folder,
// ~/.local/share/Tabwright/Tabwright unless XDG_DATA_HOME says otherwise.
class StateFolder
{
public:
    static QString path();
    static QString logFilePath();
    static QString recoveryPath();
};
