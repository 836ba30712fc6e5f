#pragma once

#include <QFont>

namespace kestra {

// The windows' font at the design's pixel height (13 pixels for most
// controls, 11 for the grid and the small buttons).  The design's font
// family is looked for first; where it does not exist, a sans serif of
// similar width follows, so that the captions fit the design's boxes.
inline QFont DesignFont(int pixel_height) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("Arial"), QStringLiteral("Helvetica")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixel_height);
  return font;
}

}  // namespace kestra
