#pragma once

#include <QObject>

class QWidget;

// The highlight that dims a window while a sheet, alert or save panel is shown on it: an overlay
// laid over the window's whole content that fades in and out. One shared instance; whether the
// effect is used is the user's setting ("TBWRDefaultHighlightSheetsKey").
class ZRNSheetPresentation : public QObject
{
    Q_OBJECT

public:
    static constexpr int s_fadeMilliseconds = 1000;

    static ZRNSheetPresentation &sharedPresentation();

    bool useHighlightEffect() const { return m_useHighlightEffect; }
    void setUseHighlightEffect(bool use) { m_useHighlightEffect = use; }

    // Lays the highlight over the window and fades it in; does nothing when the effect is off
    // or the window carries a highlight already (a sheet over a sheet keeps the first one).
    void prepareSheetPresentationForWindow(QWidget *window);
    // Fades the window's highlight out and removes it; does nothing when it carries none.
    void cleanUpSheetPresentationForWindow(QWidget *window);

    // The highlight the window carries, or nullptr; one that is fading out no longer counts.
    static QWidget *highlightForWindow(const QWidget *window);

private:
    ZRNSheetPresentation() = default;

    bool m_useHighlightEffect = true;
};
