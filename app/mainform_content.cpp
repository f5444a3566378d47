// Pictures and sounds of the main window, and the frame pictures every lesson
// screen shares. Each menu icon shows its lesson at a glance: an emoji (rows
// split by '\n'), or a short text where no emoji tells the lesson apart.
#include "platform/colours.h"
#include "app/mainform_content.h"
#include "resources/menu_catalogue.h"

#include <stdexcept>
#include <string>

namespace content {

namespace {

struct IconLook {
    const char* className;
    const char* emoji;  // drawn when not empty
    const char* text;   // drawn when there is no emoji
    const char* badge;  // a small label under the emoji, or ""
};

// clang-format off
constexpr IconLook kIcons[] = {
    {"TFM_SeeColor", "🎨", "", ""},
    {"TFM_SeeShape", "🔺🟦\n🟡⭐", "", ""},
    {"TFM_SeeLandAnimal", "🐼", "", ""},
    {"TFM_SeeFruit", "🍎", "", ""},
    {"TFM_SeeShuCai", "🥕", "", ""},
    {"TFM_SeeJiaoTongGongJu", "🚗", "", ""},
    {"TFM_SeeChuan", "⛵", "", ""},
    {"TFM_SeeJiaYongDianQi", "📺", "", ""},
    {"TFM_SeeRiYongJiaJU", "🪥", "", ""},
    {"TFM_ChangYongFuHao", "🚸", "", ""},
    {"TFM_SeeShiZhong", "⏰", "", ""},
    {"TFM_GuoQi", "🇨🇳", "", ""},
    {"TFM_SeeFlowers", "🌻", "", ""},
    {"TFM_WuGuan", "👀", "", ""},
    {"TFM_VoiceOfAnimal", "👂", "", ""},
    {"TFM_VoiceOfShuYiBai", "", "123", ""},
    {"TFM_ShuShanShi_YingWen", "", "one\ntwo", ""},
    {"TFM_VoiceOfHanYuPinYinSM", "", "b p m", ""},
    {"TFM_VoiceOfHanYuPinYin", "", "a o e", ""},
    {"TFM_VoiceOfABC", "", "ABC", ""},
    {"TFM_VoiceOfABCSing", "🍒\n🍊🍋\n🍎🍐🍑", "", ""},
    {"TFM_ZiMuPeiDui", "", "A a", ""},
    {"TFM_ShuZiDaXiao", "", "一\n壹", ""},
    {"TFM_ShuZiPeiDui", "", "3=三", ""},
    {"TFM_ZhaoYanSe", "🔍\n🔴🟢🔵", "", ""},
    {"TFM_ZhaoXingZhuang", "🔍\n🔺🟦⭐", "", ""},
    {"TFM_ZhaoShiWu", "🐰🥕", "", ""},
    {"TFM_tangshi", "📜", "", "唐诗"},
    {"TFM_JiaFa", "", "1+1", ""},
    {"TFM_JianFa", "", "3-1", ""},
    {"TFM_ChaiFengYi", "", "1", "○+○"},
    {"TFM_ChaiFengEr", "", "2", "○+○"},
    {"TFM_ChaiFengSan", "", "3", "○+○"},
    {"TFM_ChaiFengSi", "", "4", "○+○"},
    {"TFM_ChaiFengWu", "", "5", "○+○"},
    {"TFM_ChaiFengLiu", "", "6", "○+○"},
    {"TFM_ChaiFengQI", "", "7", "○+○"},
    {"TFM_ChaiFengBa", "", "8", "○+○"},
    {"TFM_ChaiFengJiu", "", "9", "○+○"},
    {"TFM_ChaiFeng", "", "10", "○+○"},
    {"TFM_SeeFruit_YW", "🍌", "", "abc"},
    {"TFM_SeeLandAnimal_YW", "🐘", "", "abc"},
    {"TFM_Password", "🔑🐱", "", ""},
    {"TFM_ZhaoGuiLv", "", "1 2 2", ""},
    {"TFM_ZhaoGuLV_Shuiguo", "🍎🍌🍌", "", ""},
    {"TFM_ZhaoGuilv_DongWu", "🐱🐶🐶", "", ""},
    {"TFM_ZhaoGuiLv_ShuiZi_ABAB", "", "1 2\n1 2", ""},
    {"TFM_ZhaoGuiLv_ABAB_ShuiGuo", "🍎🍌\n🍎🍌", "", ""},
    {"TFM_ZhaoGuiLV_ABAB_Dongwu", "🐱🐶\n🐱🐶", "", ""},
    {"TFM_FaSanSiwei", "💡", "", "想一想"},
    {"TFM_CaiMiYu", "❓", "", "猜谜"},
};
// clang-format on

const IconLook& lookOf(const std::string& className)
{
    for (const IconLook& look : kIcons)
        if (className == look.className)
            return look;
    throw std::logic_error("no menu icon look for " + className);
}

// Bright text colours for the text icons, in turn.
constexpr uint32_t kIconInk[] = {0xE53935, 0x1E88E5, 0x43A047, 0x8E24AA, 0xF4511E, 0x00897B};

constexpr uint32_t kBarColour = platform::kMoneyGreen;  // the bottom bar and the menu area

}  // namespace

void addMainFormContent(Manifest& m)
{
    m.screens.push_back("TMainForm");
    int n = 0;
    for (const catalogue::MenuEntry& e : catalogue::kMenu) {
        const IconLook& look = lookOf(e.className);
        Picture& p = m.picture(e.icon, 100, 100, "icon");
        p.emoji = look.emoji;
        p.text = *look.emoji ? e.caption : look.text;
        p.param = look.badge;
        p.colour = kIconInk[n++ % std::size(kIconInk)];
    }
    m.picture("MAINFORM_BG", 784, 435, "background").colour = 0x9FD8F0;
    m.picture("MAINFORM_FRAME", 140, 190, "frame").colour = 0xFFA726;
    // Button faces on the bottom bar; the captions are drawn by the buttons on top.
    const auto face = [&m](const char* name, int width, int height, uint32_t colour) {
        Picture& p = m.picture(name, width, height, "button");
        p.colour = colour;
        p.background = kBarColour;
    };
    face("MAINFORM_BTN_NEXT", 160, 75, 0xFFE082);
    face("MAINFORM_BTN_LAST", 160, 75, 0xFFE082);
    face("MAINFORM_BTN_CLOSE", 75, 35, 0xE53935);
    // Shared by every lesson screen: the bottom-bar button face and the lesson area.
    face("FRAME_BUTTON", 160, 75, 0xFFE082);
    m.picture("FRAME_BACKGROUND", 784, 455, "background").colour = 0xB8E6C8;

    const char* folder = "mainform\\";
    m.sound(folder, "kj", "小朋友，你好！欢迎来到青禾早教乐园，一起来学习吧！");
    m.sound(folder, "n", "下一页");
    m.sound(folder, "l", "上一页");
    m.sound(folder, "lm", "回到主菜单啦，再选一个吧！");
    m.sound(folder, "re", "小朋友，要休息了吗？");
}

}  // namespace content
