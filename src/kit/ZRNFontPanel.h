#pragma once

class QFont;
class QFontDialog;

// The font panels: the document font's and the default font's.
namespace ZRNFontPanel {

// Shows the face the font resolves to, with its family and style as the panel lists them, so
// that changing one of family, style or size in the panel keeps the other two.
void showFont(QFontDialog &panel, const QFont &font);

} // namespace ZRNFontPanel
