#include "tests/cards/card_test_support.h"
#include "tools/content_gen/picture_writers.h"

#include <cstdio>

namespace cards_test {

namespace {
QColor colourOf(int n)
{
    return QColor::fromHsv((n * 47) % 360, 160 + (n % 5) * 20, 120 + (n % 7) * 18);
}
}  // namespace

std::string CardNumber(int n)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

LoggedPictures::LoggedPictures(std::vector<std::string>& log) : log_(log)
{
    platform::setResourceSource([this](const QString& upper, platform::ResourceKind kind) -> std::optional<QByteArray> {
        if (kind != platform::ResourceKind::Picture)
            return std::nullopt;
        // The layouts' own pictures are not a page's loads.
        if (upper.startsWith(QLatin1String("FRAME_")))
            return std::nullopt;
        log_.push_back(Line(upper.toStdString()));
        auto it = pictures_.constFind(upper);
        if (it == pictures_.constEnd())
            return std::nullopt;
        return it.value();
    });
}

LoggedPictures::~LoggedPictures()
{
    platform::setResourceSource({});
}

void LoggedPictures::addFamily(const std::string& prefix, int first, int last)
{
    for (int n = first; n <= last; ++n) {
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(colourOf(n));
        pictures_.insert(QString::fromStdString(prefix + CardNumber(n)).toUpper(), gen::encodeBmp24(img));
    }
}

void LoggedPictures::remove(const std::string& name)
{
    pictures_.remove(QString::fromStdString(name).toUpper());
}

std::string LoggedPictures::ColourOf(int n)
{
    return colourOf(n).name().toStdString();
}

}  // namespace cards_test
