// The card lessons teach a child who cannot read by pictures: every card
// shows a drawing or an emoji of its thing, never its caption written out,
// and every drawing the cards name is there and loads.
#include "lessons/cards/card_tables.h"
#include "tools/art/paint.h"
#include "tools/content_gen/all_content.h"

#include <QDir>
#include <gtest/gtest.h>

#include <set>

namespace {

// The picture families of the cards that show things (the symbols show their
// mark itself, the flags their flag).
std::vector<std::string> thingFamilies()
{
    std::vector<std::string> prefixes = {"CHUANT"};
    for (const cards::CardFamily* family : cards::PagedCardFamilies())
        if (!family->motifIsText)
            prefixes.push_back(platform::UpperCase(family->prefix));
    return prefixes;
}

bool inFamily(const std::string& name, const std::string& prefix)
{
    return name.size() == prefix.size() + 3 && name.compare(0, prefix.size(), prefix) == 0;
}

TEST(CardPictures, NoCardShowsAWordInPlaceOfAPicture)
{
    const content::Manifest m = content::collectAll();
    std::vector<std::string> worded;
    int cardsSeen = 0;
    for (const std::string& prefix : thingFamilies())
        for (const content::Picture& p : m.pictures) {
            if (!inFamily(p.name, prefix))
                continue;
            ++cardsSeen;
            if (p.drawing.empty() && p.emoji.empty())
                worded.push_back(p.name + " " + p.text);
        }
    // 80 + 30 + 32 + 20 + 30 + 30 + 24 + 30 + 20 + 30 + 80 + 10
    EXPECT_EQ(cardsSeen, 416);
    EXPECT_TRUE(worded.empty()) << worded.size() << " cards show their caption, the first: " << worded.front();
}

TEST(CardPictures, EveryDrawingLoadsAndEveryDrawingFileShowsSomething)
{
    const content::Manifest m = content::collectAll();
    std::set<std::string> named;
    for (const content::Picture& p : m.pictures)
        if (!p.drawing.empty())
            named.insert(p.drawing);
    for (const std::string& drawing : named)
        EXPECT_NO_THROW(art::checkDrawing(drawing)) << drawing;
    const QDir folder(QStringLiteral(QH_SOURCE_DIR "/tools/art/drawings"));
    const QStringList files = folder.entryList({QStringLiteral("*.svg")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files)
        EXPECT_TRUE(named.count(file.chopped(4).toStdString())) << file.toStdString() << " is drawn for no picture";
}

}  // namespace
