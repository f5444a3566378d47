// Drawing one declared picture with its recipe and writing it in its format.
#pragma once

#include "resources/content.h"

#include <QByteArray>
#include <QImage>

namespace gen {

// Throws ContentError naming the font (and its Debian package) that is missing.
void checkFonts();
// The picture as the recipe paints it, flattened onto white, of the declared size.
QImage paint(const content::Picture& picture);
// paint() encoded in the declared format: 24-bit BMP, GIF or JPEG.
QByteArray render(const content::Picture& picture);

}  // namespace gen
