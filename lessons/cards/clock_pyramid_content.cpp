// Pictures and sounds of the clock and fruit pyramid lessons, from the
// lessons' own tables.
#include "lessons/cards/cards.h"
#include "lessons/cards/clock_pyramid_tables.h"
#include "resources/menu_catalogue.h"

#include <algorithm>
#include <cctype>

namespace cards {

namespace {

// The lesson's folder literal; its start sound names the lesson.
std::string declareLesson(content::Manifest& m, const char* className)
{
    const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(className);
    m.screens.push_back(className);
    m.sound(entry->folder, "st", entry->caption);
    return entry->folder;
}

void addClock(content::Manifest& m)
{
    const std::string folder = declareLesson(m, "TFM_SeeShiZhong");
    for (int k = 0; k < kHours; ++k) {
        const HourEntry& hour = kHourTable[static_cast<size_t>(k)];
        content::Picture& face = m.picture(ClockFaceName(k), kClockFaceWidth, kClockFaceHeight, "clock");
        face.format = content::Format::Gif;
        face.storage = content::Storage::RawData;
        face.param = std::to_string(k + 1);
        m.sound(folder, hour.sound, hour.say);
    }
    m.picture(kClockDialPicture, kClockFaceWidth, kClockFaceHeight, "clock").format = content::Format::Gif;
}

void addPyramid(content::Manifest& m)
{
    const std::string folder = declareLesson(m, "TFM_VoiceOfABCSing");
    content::Picture& pyramid = m.picture(kPyramidPicture, kPyramidWidth, kPyramidHeight, "pyramid");
    // Drawn transparent: near the lesson area's background, so the edges of
    // the pyramid and its fruit blend into it.
    pyramid.background = 0xC4EBD2;
    for (const PyramidRow& row : kPyramidTable) {
        pyramid.emoji += pyramid.emoji.empty() ? row.emoji : std::string("\n") + row.emoji;
        for (const PyramidWord* word : {&row.number, &row.fruit})
            m.sound(folder, word->sound, word->say, content::Voice::English);
    }
}

}  // namespace

void addClockAndPyramidContent(content::Manifest& m)
{
    addClock(m);
    addPyramid(m);
}

}  // namespace cards
