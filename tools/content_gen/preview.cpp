// A contact sheet of card pictures, for looking at drawings while they are
// made and at the cards as a child sees them:
//   qh_art_preview [--size N] [--columns N] [--bare] OUT.png ITEM...
// An ITEM is a drawing file (a path ending in ".svg"), an embedded drawing's
// name, "emoji:X" for an emoji card, or a picture file (".bmp", ".png", ...)
// shown as it is. Each is drawn on a card of N pixels (140) as the generator
// draws it, with its name under it; --bare leaves the names off.
#include "tools/art/paint.h"
#include "tools/art/recipe.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

QImage drawItem(const std::string& item, int size)
{
    const QString path = QString::fromStdString(item);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!suffix.isEmpty() && suffix != QLatin1String("svg"))
        return QImage(path).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    content::Picture picture;
    picture.name = QFileInfo(path).completeBaseName().toStdString();
    picture.width = picture.height = size;
    if (item.rfind("emoji:", 0) == 0)
        picture.emoji = item.substr(6);
    else
        picture.drawing = item;
    QImage canvas(size, size, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    art::findRecipe("card")(canvas, picture);
    return canvas;
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    int size = 140, columns = 10;
    bool named = true;
    std::vector<std::string> args(argv + 1, argv + argc);
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--bare")
            named = false;
        else if (args[i] == "--size" && i + 1 < args.size())
            size = std::atoi(args[++i].c_str());
        else if (args[i] == "--columns" && i + 1 < args.size())
            columns = std::atoi(args[++i].c_str());
    }
    if (i + 2 > args.size() || size < 16 || columns < 1) {
        std::fprintf(stderr, "usage: qh_art_preview [--size N] [--columns N] [--bare] OUT.png ITEM...\n");
        return 2;
    }
    const QString out = QString::fromStdString(args[i++]);
    const std::vector<std::string> items(args.begin() + static_cast<long>(i), args.end());
    const int label = named ? 18 : 0, gap = 6;
    const int cols = std::min(columns, static_cast<int>(items.size()));
    const int rows = (static_cast<int>(items.size()) + cols - 1) / cols;
    QImage sheet(cols * (size + gap) + gap, rows * (size + label + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter p(&sheet);
    QFont font(QString::fromLatin1(art::kCjkFamily));
    font.setPixelSize(12);
    p.setFont(font);
    int failed = 0;
    for (size_t k = 0; k < items.size(); ++k) {
        const int x = gap + static_cast<int>(k) % cols * (size + gap);
        const int y = gap + static_cast<int>(k) / cols * (size + label + gap);
        try {
            p.drawImage(x, y, drawItem(items[k], size));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", items[k].c_str(), e.what());
            p.fillRect(x, y, size, size, Qt::red);
            ++failed;
        }
        if (named)
            p.drawText(QRect(x, y + size, size, label), Qt::AlignCenter,
                       QFileInfo(QString::fromStdString(items[k])).completeBaseName());
    }
    p.end();
    if (!sheet.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return failed ? 1 : 0;
}
