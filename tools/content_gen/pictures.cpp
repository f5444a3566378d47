#include "tools/content_gen/pictures.h"

#include "platform/pictures.h"
#include "tools/art/paint.h"
#include "tools/art/recipe.h"
#include "tools/content_gen/plan.h"
#include "tools/content_gen/picture_writers.h"

#include <QFontDatabase>
#include <QPainter>

namespace gen {

void checkFonts()
{
    const QStringList families = QFontDatabase::families();
    const struct {
        const char* family;
        const char* package;
    } needed[] = {{art::kEmojiFamily, "fonts-noto-color-emoji"}, {art::kCjkFamily, "fonts-noto-cjk"}};
    for (const auto& f : needed)
        if (!families.contains(QString::fromLatin1(f.family)))
            throw ContentError(std::string("the font \"") + f.family + "\" is missing (Debian package " + f.package +
                               ")");
}

QImage paint(const content::Picture& picture)
{
    const art::Recipe recipe = art::findRecipe(picture.recipe);
    if (!recipe)
        throw ContentError(describe(picture) + ": unknown recipe");
    QImage canvas(picture.width, picture.height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    try {
        recipe(canvas, picture);
    } catch (const std::exception& e) {
        throw ContentError(describe(picture) + ": " + e.what());
    }
    // The stored formats have no alpha: whatever the recipe left clear is white.
    QImage flat(picture.width, picture.height, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, canvas);
    p.end();
    return flat;
}

QByteArray render(const content::Picture& picture)
{
    const QImage image = paint(picture);
    switch (picture.format) {
    case content::Format::Bmp:
        return gen::encodeBmp24(image);
    case content::Format::Gif:
        return gen::encodeGif({image}, {});
    case content::Format::Jpeg:
        return gen::encodeJpeg(image, 92);
    }
    throw ContentError(describe(picture) + ": unknown format");
}

}  // namespace gen
