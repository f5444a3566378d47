// Pictures and sounds of imagine-the-animal and the rescue game, from the
// lessons' own tables.
#include "lessons/games/games.h"
#include "lessons/games/imagine_tables.h"
#include "lessons/games/rescue_tables.h"
#include "platform/colours.h"
#include "resources/menu_catalogue.h"

#include <string>

namespace games {

namespace {

// A soft background colour per animal, the same on its picture and its close-up.
uint32_t animalBackground(int n)
{
    static const uint32_t colours[] = {0xFFF1C9, 0xDDF3FF, 0xFFE0EC, 0xE6F7D9, 0xF0E6FF};
    return colours[n % 5];
}

void addImagine(content::Manifest& m)
{
    const char* cls = "TFM_FaSanSiwei";
    const std::string folder = catalogue::LessonFolder(cls);
    m.screens.push_back(cls);
    for (int n = 1; n <= kImagineAnimals; ++n) {
        const ImagineAnimal& a = kImagineAnimalTable[static_cast<size_t>(n)];
        content::Picture& whole =
            m.picture(std::string("FS") + AnimalKeyTable[static_cast<size_t>(n)], 110, 105, "card");
        whole.emoji = a.emoji;
        whole.text = a.name;
        whole.background = animalBackground(n);
        content::Picture& part =
            m.picture(std::string("FS") + ClueKeyTable[static_cast<size_t>(n)], 100, 100, "closeup");
        part.emoji = a.emoji;
        part.background = animalBackground(n);
        part.param = std::to_string(a.left) + "," + std::to_string(a.top) + "," + std::to_string(a.side);
        m.sound(folder, AnimalKeyTable[static_cast<size_t>(n)], a.call);
    }
    m.picture("FASANSIWEI_BG", 784, 455, "background").colour = 0xA8DCA8;
    m.sound(folder, "st", "发散思维。小朋友，看看最上面的小图片，它是哪个动物身上的？找到它，点一点。");
    m.sound(folder, "y", "答对了！");
    m.sound(folder, "gz", "真棒！", content::Voice::Cheer);
    m.sound(folder, "no", "不对哦，再想一想。");
    m.sound(folder, "n_g", "下一组");
}

void addRescue(content::Manifest& m)
{
    const char* cls = "TFM_Password";
    const std::string folder = catalogue::LessonFolder(cls);
    m.screens.push_back(cls);
    for (int n = 1; n <= kRescueAnimals; ++n) {
        const RescueAnimal& a = kRescueAnimalTable[static_cast<size_t>(n)];
        const std::string key = RescueKeyTable[static_cast<size_t>(n)];
        // Read from the media folder at run time, so written there as a file.
        content::Picture& trapped = m.picture("A" + key, 240, 176, "trapped");
        trapped.storage = content::Storage::MediaFile;
        trapped.folder = folder;
        trapped.emoji = a.emoji;
        trapped.param = a.trap;
        content::Picture& freed = m.picture(kRescueFreedPrefix + key, 240, 240, "freed");
        freed.emoji = a.emoji;
        m.sound(folder, "a" + key, std::string("救命啊！我是") + a.name + "，快来救救我！");
    }
    content::Picture& keyFace = m.picture(kRescueKeyFace, 60, 60, "key");
    keyFace.colour = 0xE8ECF4;
    keyFace.background = 0x3A4150;
    content::Picture& back = m.picture(kRescueBackFace, 80, 60, "key");
    back.colour = 0xF08A24;
    back.background = 0x3A4150;
    content::Picture& enter = m.picture(kRescueEnterFace, 90, 60, "key");
    enter.colour = 0x2E9E4A;
    enter.background = 0x3A4150;
    content::Picture& bubble = m.picture(kRescueStartBubble, 150, 104, "bubble");
    bubble.text = "开始";
    bubble.colour = 0xFF7A1A;
    bubble.background = platform::kMoneyGreen;
    content::Picture& hand = m.picture(kRescueHand, 56, 52, "hand");
    hand.emoji = "👈";
    hand.colour = 0xE02020;
    hand.background = platform::kMoneyGreen;

    m.sound(folder, "st", "解救动物。小动物被关起来了！点开始，看右边的解救密码，在键盘上输入六个字符，再按确定。");
    static const char* const kDigits[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    for (const RescueKey& key : kRescueKeys) {
        const std::string caption = key.caption;
        if (caption[0] >= '0' && caption[0] <= '9')
            m.sound(folder, key.sound, kDigits[caption[0] - '0']);
        else
            m.sound(folder, key.sound, caption, content::Voice::English);
    }
    m.sound(folder, "back", "后退");
    m.sound(folder, "enter", "确定");
    m.sound(folder, "ok_help", "谢谢你救了我！太好了！", content::Voice::Cheer);
    m.sound(folder, "no", "密码不对，再试一次。");
    m.sound(folder, "n_g", "下一组");
}

}  // namespace

void addImagineAndRescueContent(content::Manifest& m)
{
    addImagine(m);
    addRescue(m);
}

}  // namespace games
