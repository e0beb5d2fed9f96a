#include "ZRNFontPanel.h"

#include <QFontDialog>
#include <QFontInfo>

// A font given by family and size alone has no style name, and the panel looks its style up
// as "Normal" or "Regular". A family that lists neither (DejaVu Sans: "Book", "Oblique"...)
// then gets its first listed style preselected, which may be slanted, and changing the size
// alone turned the table italic.
void ZRNFontPanel::showFont(QFontDialog &panel, const QFont &font)
{
    const QFontInfo face(font);
    QFont shown = font;
    shown.setFamilies({face.family()});
    shown.setStyleName(face.styleName());
    panel.setCurrentFont(shown);
}
