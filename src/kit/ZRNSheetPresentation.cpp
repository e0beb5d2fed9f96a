#include "ZRNSheetPresentation.h"

#include "ZRNSheetHighlight.h"

#include <QWidget>

ZRNSheetPresentation &ZRNSheetPresentation::sharedPresentation()
{
    static ZRNSheetPresentation s_presentation;
    return s_presentation;
}

void ZRNSheetPresentation::prepareSheetPresentationForWindow(QWidget *window)
{
    if (!window || !m_useHighlightEffect || highlightForWindow(window))
        return;
    auto *highlight = new ZRNSheetHighlight(window);
    highlight->fadeIn(s_fadeMilliseconds);
}

void ZRNSheetPresentation::cleanUpSheetPresentationForWindow(QWidget *window)
{
    if (auto *highlight = static_cast<ZRNSheetHighlight *>(highlightForWindow(window)))
        highlight->fadeOutAndRemove(s_fadeMilliseconds);
}

QWidget *ZRNSheetPresentation::highlightForWindow(const QWidget *window)
{
    if (!window)
        return nullptr;
    const auto highlights = window->findChildren<ZRNSheetHighlight *>(Qt::FindDirectChildrenOnly);
    for (ZRNSheetHighlight *highlight : highlights) {
        if (!highlight->isFadingOut())
            return highlight;
    }
    return nullptr;
}
