// Pictures and sounds of the sound grids, the body parts and the number
// grids, from the lessons' own tables.
#include "platform/colours.h"
#include "lessons/soundboards/sound_grids_tables.h"
#include "lessons/soundboards/soundboards.h"
#include "lessons/soundboards/spoken_numbers.h"
#include "platform/strings.h"
#include "resources/menu_catalogue.h"

#include <set>

namespace soundboards {

namespace {

using content::Manifest;
using content::Picture;
using content::Voice;

// A tile: a rounded face of `colour` on `around` (what shows at its corners).
Picture& tile(Manifest& m, const std::string& name, int w, int h, uint32_t colour, uint32_t around,
              const std::string& pattern = "")
{
    Picture& p = m.picture(name, w, h, "sg_tile");
    p.colour = colour;
    p.background = around;
    p.param = pattern;
    return p;
}

constexpr uint32_t kMoneyGreen = platform::kMoneyGreen;
// What the transparent tiles show around their faces: keyed out on screen.
constexpr uint32_t kKeyWhite = 0xFFFFFF;

constexpr uint32_t kPinyinTiles[] = {0xFFF3B0, 0xFFD6E0, 0xD4F0FF, 0xE2F7C8, 0xFFE2C2, 0xEBDDFF};

void addGridPictures(Manifest& m)
{
    for (int k = 1; k <= 23; ++k)
        tile(m, "PYT" + platform::ThreeDigits(k), 110, 100, kPinyinTiles[(k - 1) % 6], kMoneyGreen);
    // Purple capitals (A to N) on pale tiles, lime ones (O to Z) on deep blue.
    for (int k = 1; k <= 26; ++k)
        tile(m, "ABCT" + platform::ThreeDigits(k), 100, 100, k <= 14 ? kPinyinTiles[(k - 1) % 6] : 0x1F3C88, kKeyWhite);
    m.picture("ABC_BACKGROUND", 834, 455, "background").colour = 0xA9DDF3;
    m.picture("SZDX_BACKGROUND", 784, 455, "background").colour = 0xF7E3A1;
    tile(m, "SZDXT001", 130, 100, 0xFFFDF0, kKeyWhite);
    tile(m, "SZDXT002", 130, 100, 0xFFF0C8, kKeyWhite, "rim");
}

void addGridSounds(Manifest& m)
{
    for (const SoundGridMember& member : SoundGridMembers()) {
        const std::string folder = catalogue::LessonFolder(member.className);
        m.screens.push_back(member.className);
        m.sound(folder, "st", member.start);
        std::set<std::string> seen;
        for (const GridButton& button : member.buttons) {
            const std::string name = GridButtonSound(member, button, button.index, 0);
            if (seen.insert(name).second)
                m.sound(folder, name, button.say, member.english ? Voice::English : Voice::Chinese);
        }
    }
}

void addBodyParts(Manifest& m)
{
    const std::string folder = catalogue::LessonFolder("TFM_WuGuan");
    m.screens.push_back("TFM_WuGuan");
    m.sound(folder, "st", "人体部位。点一点名字或者图片，看看它在脸上的哪里。");
    for (const BodyPart& part : kBodyParts) {
        m.sound(folder, platform::ThreeDigits(part.code), part.chinese);
        m.sound(folder, "b" + platform::ThreeDigits(part.code), part.english, Voice::English);
        const bool left = part.code <= 3;
        m.picture("WUGUANT" + platform::ThreeDigits(part.code), left ? 70 : 138, left ? 90 : 65, "sg_bodypart").param =
            part.drawing;
    }
    m.picture("WUGUAN_BACKGROUND", 784, 455, "background").colour = 0x7FB8D8;
    m.picture("WUGUAN_FACE", 350, 371, "sg_face");
    m.picture("WUGUAN_MARKER", 30, 30, "sg_marker").colour = 0xE53935;
}

void addNumberGrids(Manifest& m)
{
    for (const NumberGridMember& member : NumberGridMembers()) {
        const std::string folder = catalogue::LessonFolder(member.className);
        m.screens.push_back(member.className);
        m.sound(folder, "st", member.start);
        m.sound(folder, kHorizontalSound, "横向排列");
        m.sound(folder, kVerticalSound, "纵向排列");
        // The horizontal captions are in number order.
        for (int n = 1; n <= 20; ++n) {
            std::string word = member.captions[0][static_cast<size_t>(n - 1)];
            while (!word.empty() && word.back() == ' ')
                word.pop_back();
            m.sound(folder, kGridSoundTable[static_cast<size_t>(n)],
                    member.english ? word : kSpokenNumbers[static_cast<size_t>(n)],
                    member.english ? Voice::English : Voice::Chinese);
        }
        const bool digits = member.kind == NumberGridKind::Digits;
        const int w = digits ? 100 : 150, h = digits ? 100 : 80;
        // Rows in warm colours with a band across, columns in cool ones with a band down.
        tile(m, member.tilePicture[0], w, h, 0xFFB74D, 0xFFFFFF, "across");
        tile(m, member.tilePicture[1], w, h, 0x64B5F6, 0xFFFFFF, "down");
        const int mw = digits ? 55 : 40, mh = digits ? 65 : 40;
        Picture& across = m.picture(member.markerPicture[0], mw, mh, "sg_step");
        across.param = "feet";
        across.colour = 0xE65100;
        Picture& down = m.picture(member.markerPicture[1], mw, mh, "sg_step");
        down.param = "star";
        down.colour = 0x1565C0;
    }
}

}  // namespace

void addSoundGridContent(Manifest& m)
{
    addGridPictures(m);
    addGridSounds(m);
    addBodyParts(m);
    addNumberGrids(m);
}

}  // namespace soundboards
