#pragma once

#include <QString>

#include <functional>
#include <vector>

class QMessageBox;

// The question after a launch that follows a crash: which documents kept unsaved changes, and
// whether to recover them. Application-modal, answered through the event loop. Recover is the
// default and what Escape answers: throwing work away takes a deliberate click.
class RecoveryOffer
{
public:
    struct Document
    {
        QString title;
        QString filePath; // empty for an untitled document
        QString changed;  // when its copy was written, as the user reads dates
    };

    static QMessageBox *ask(const std::vector<Document> &documents,
                            std::function<void(bool recover)> answered);
};
