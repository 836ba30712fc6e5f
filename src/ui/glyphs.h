#pragma once

#include <QIcon>

namespace kestra {

// The pictures on the glyph buttons, drawn here so that they look the same
// whatever icon theme the desktop has: a green check mark for the buttons
// that act ("Otwórz zbiór", "GOŁ", "OK") and a blue question mark for
// "O programie".
QIcon OkGlyph();
QIcon HelpGlyph();

}  // namespace kestra
