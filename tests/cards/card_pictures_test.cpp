// The card lessons teach a child who cannot read by pictures: every card
// shows a drawing or an emoji of its thing, never its caption written out,
// and every drawing the cards name is there and loads.
#include "tools/art/paint.h"
#include "tools/content_gen/all_content.h"

#include <QDir>
#include <gtest/gtest.h>

#include <set>

namespace {

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
