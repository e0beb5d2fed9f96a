#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class CSVOpenAssistantPreview;
class OpenAssistantPreviewModel;
class PresetControls;
class QTableView;

// The open assistant: the first rows of a file under the encoding and separator it seems to
// use, and the controls that choose how it is read, before it is opened or inserted into a
// document. Every control that changes what is read reads the preview again; a warning sign
// shows while part of the text cannot be decoded.
class OpenAssistant : public QDialog
{
    Q_OBJECT

public:
    enum class Purpose { Open, Insert };
    // Runs when the assistant ends, confirmed or not; the preview holds the user's choices.
    using Completion = std::function<void(const CSVOpenAssistantPreview &preview, bool confirmed)>;

    // Shows the assistant on the window (window-modal, inside the sheet highlight), or on its
    // own without one. It deletes itself once it has ended and run completion.
    static OpenAssistant *begin(std::unique_ptr<CSVOpenAssistantPreview> preview, Purpose purpose,
                                QWidget *window, Completion completion);
    ~OpenAssistant() override;

    const CSVOpenAssistantPreview &preview() const { return *m_preview; }
    PresetControls *controls() const { return m_controls; }
    QTableView *tableView() const { return m_tableView; }
    QWidget *warningImageView() const { return m_warning; }

private:
    OpenAssistant(std::unique_ptr<CSVOpenAssistantPreview> preview, Purpose purpose,
                  QWidget *window);
    void setUpControls();
    QWidget *makeWarning();
    void controlsChanged();
    void loadCSVPreview();

    std::unique_ptr<CSVOpenAssistantPreview> m_preview;
    PresetControls *m_controls;
    QTableView *m_tableView;
    OpenAssistantPreviewModel *m_model;
    QWidget *m_warning;
};
