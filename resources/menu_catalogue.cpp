#include "resources/menu_catalogue.h"

#include <cstring>

namespace catalogue {

// clang-format off
const std::array<MenuEntry, 51> kMenu = {{
    {0, 0, "认识颜色", "TFM_SeeColor", "form_seecolor", "yanse\\", "认识颜色", "mainformt001"},
    {0, 1, "认识形状", "TFM_SeeShape", "form_SeeShape", "shape\\", "认识形状", "mainformt002"},
    {0, 2, "认识动物", "TFM_SeeLandAnimal", "from_SeeLandAnimal", "landdw\\", "认识动物", "mainformt003"},
    {0, 3, "认识水果", "TFM_SeeFruit", "form_SeeFruit", "shuig\\", "认识水果", "mainformt004"},
    {0, 4, "认识蔬菜", "TFM_SeeShuCai", "form_SeeShuCai", "shuc\\", "认识蔬菜", "mainformt005"},
    {0, 5, "认识车辆", "TFM_SeeJiaoTongGongJu", "form_SeeJiaoTongGongJu", "che\\", "认识车辆", "mainformt006"},
    {0, 6, "认识船只", "TFM_SeeChuan", "form_SeeChuan", "chuan\\", "认识船只", "mainformt007"},
    {0, 7, "家电数码", "TFM_SeeJiaYongDianQi", "form_SeeJiaYongDianQi", "jiad\\", "家电数码", "mainformt008"},
    {0, 8, "日常用品", "TFM_SeeRiYongJiaJU", "form_SeeRiYongJiaJU", "riyong\\", "日常用品", "mainformt009"},
    {0, 9, "常用符号", "TFM_ChangYongFuHao", "form_ChangYongFuHao", "fuh\\", "常用符号", "mainformt010"},
    {1, 0, "认识时钟", "TFM_SeeShiZhong", "form_SeeShizhong", "shizhong\\", "时钟", "mainformt011"},
    {1, 1, "认识国旗", "TFM_GuoQi", "form_GuoQi", "guoqi\\", "认识国旗", "mainformt012"},
    {1, 2, "认识花卉", "TFM_SeeFlowers", "form_SeeFlowers", "hua\\", "认识花卉", "mainformt013"},
    {1, 3, "人体部位", "TFM_WuGuan", "form_Wuguan", "zhaowuguan\\", "人体部位", "mainformt014"},
    {1, 4, "闻声识物", "TFM_VoiceOfAnimal", "form_VoiceOfAnimal", "tdongw\\", "闻声识物", "mainformt015"},
    {1, 5, "阿拉伯数字", "TFM_VoiceOfShuYiBai", "form_VoiceOfShuYiBai", "s20\\", "阿拉伯数字", "mainformt016"},
    {1, 6, "英文数字", "TFM_ShuShanShi_YingWen", "form_ShuShanShi_YingWen", "s20yw\\", "英文数字", "mainformt017"},
    {1, 7, "汉语拼音声母", "TFM_VoiceOfHanYuPinYinSM", "form_VoiceOfHanYuPinYinSM", "pinyin\\", "汉语拼音_声母", "mainformt018"},
    {1, 8, "汉语拼音韵母", "TFM_VoiceOfHanYuPinYin", "form_VoiceOfHanYuPinYin", "pinyin\\yunmu\\", "汉语拼音_韵母", "mainformt019"},
    {1, 9, "英文字母", "TFM_VoiceOfABC", "form_VoiceOfABC", "abc\\", "英文字母", "mainformt020"},
    {2, 0, "水果金字塔", "TFM_VoiceOfABCSing", "form_VoiceOfABCSing", "jinzita\\", "水果金字塔", "mainformt021"},
    {2, 1, "字母配对", "TFM_ZiMuPeiDui", "form_ZiMuPeiDui", "zimupeidui\\", "字母配对", "mainformt022"},
    {2, 2, "大小写数字", "TFM_ShuZiDaXiao", "form_ShuJiDaXiao", "shuzidaxiao\\", "大小写数字", "mainformt023"},
    {2, 3, "数字配对", "TFM_ShuZiPeiDui", "form_ShuZiPeiDui", "shuzipeidui\\", "数字配对", "mainformt024"},
    {2, 4, "找颜色", "TFM_ZhaoYanSe", "form_ZhaoYanSe", "zhaoyanse\\", "找颜色", "mainformt025"},
    {2, 5, "找形状", "TFM_ZhaoXingZhuang", "form_ZhaoXingZhuang", "zhaoxz\\", "找形状", "mainformt026"},
    {2, 6, "寻找食物", "TFM_ZhaoShiWu", "form_ZhaoShiWu", "zhaoshiwu\\", "找食物", "mainformt027"},
    {2, 7, "唐诗精选", "TFM_tangshi", "form_Tangshi", "tangshi\\", "唐诗精选", "mainformt028"},
    {2, 8, "加法练习", "TFM_JiaFa", "form_Jiafa", "jjcc\\jia\\", "加法练习", "mainformt029"},
    {2, 9, "减法练习", "TFM_JianFa", "form_JianFa", "jjcc\\jian\\", "减法练习", "mainformt030"},
    {3, 0, "数字组合1", "TFM_ChaiFengYi", "form_ChaiFengYi", "zuheyi\\", "数字组合1", "mainformt031"},
    {3, 1, "数字组合2", "TFM_ChaiFengEr", "form_ChaiFengEr", "zuheer\\", "数字组合2", "mainformt032"},
    {3, 2, "数字组合3", "TFM_ChaiFengSan", "form_ChaiFengSan", "zuhesan\\", "数字组合3", "mainformt033"},
    {3, 3, "数字组合4", "TFM_ChaiFengSi", "form_ChaiFengSi", "zuhesi\\", "数字组合4", "mainformt034"},
    {3, 4, "数字组合5", "TFM_ChaiFengWu", "form_ChaiFengWu", "zuhewu\\", "数字组合5", "mainformt035"},
    {3, 5, "数字组合6", "TFM_ChaiFengLiu", "form_ChaiFengLiu", "zuheliu\\", "数字组合6", "mainformt036"},
    {3, 6, "数字组合7", "TFM_ChaiFengQI", "form_ChaiFengQI", "zuheqi\\", "数字组合7", "mainformt037"},
    {3, 7, "数字组合8", "TFM_ChaiFengBa", "form_ChaiFengBa", "zuheba\\", "数字组合8", "mainformt038"},
    {3, 8, "数字组合9", "TFM_ChaiFengJiu", "form_ChaiFengJiu", "zuhejiu\\", "数字组合9", "mainformt039"},
    {3, 9, "数字组合10", "TFM_ChaiFeng", "form_Chengfa", "zuheshi\\", "数字组合10", "mainformt040"},
    {4, 0, "水果英文", "TFM_SeeFruit_YW", "form_SeeFruit_YW", "shuig_yw\\", "水果英文", "mainformt041"},
    {4, 1, "动物英文", "TFM_SeeLandAnimal_YW", "form_SeeLandAnimal_YW", "landdw_yw\\", "动物英文", "mainformt042"},
    {4, 2, "解救动物", "TFM_Password", "form_password", "password\\", "解救动物", "mainformt043"},
    {4, 3, "数字ABB", "TFM_ZhaoGuiLv", "form_ZhaoGuiLv", "gulv\\", "数字ABB规律", "mainformt044"},
    {4, 4, "水果ABB", "TFM_ZhaoGuLV_Shuiguo", "form_ZhaoGuLV_Shuiguo", "guilv_shuiguo\\", "水果ABB规律", "mainformt045"},
    {4, 5, "动物ABB", "TFM_ZhaoGuilv_DongWu", "form_ZhaoGuilv_DongWu", "guilv_dongwu\\", "动物ABB规律", "mainformt046"},
    {4, 6, "数字ABAB", "TFM_ZhaoGuiLv_ShuiZi_ABAB", "form_ZhaoGuiLv_ShuiZi_ABAB", "guilv_abab\\", "数字ABAB规律", "mainformt047"},
    {4, 7, "水果ABAB", "TFM_ZhaoGuiLv_ABAB_ShuiGuo", "form_ZhaoGuiLv_ABAB_ShuiGuo", "guilv_abab_shuiguo\\", "水果ABAB规律", "mainformt048"},
    {4, 8, "动物ABAB", "TFM_ZhaoGuiLV_ABAB_Dongwu", "form_ZhaoGuiLv_ABAB_Dongwu", "guilv_abab_dongwu\\", "动物ABAB规律", "mainformt049"},
    {4, 9, "发散思维", "TFM_FaSanSiwei", "form_FaSanSiwei", "fasansiwei\\", "发散思维", "mainformt050"},
    {5, 0, "猜谜语", "TFM_CaiMiYu", "form_CaiMiYu", "guess\\", "猜谜语", "mainformt051"},
}};
// clang-format on

const MenuEntry* FindMenuEntry(int page, int slot)
{
    for (const MenuEntry& e : kMenu)
        if (e.page == page && e.slot == slot)
            return &e;
    return nullptr;
}

const MenuEntry* FindLessonEntry(const std::string& className)
{
    for (const MenuEntry& e : kMenu)
        if (className == e.className)
            return &e;
    return nullptr;
}

std::string LessonFolder(const std::string& className)
{
    const MenuEntry* entry = FindLessonEntry(className);
    return entry ? entry->folder : "";
}

const std::string& MenuCaption(int slot, int page)
{
    // Built once from the catalogue: [slot][page].
    static const auto table = [] {
        std::array<std::array<std::string, kMenuPages>, kMenuSlots> t;
        for (auto& row : t)
            row.fill("x");
        for (const MenuEntry& e : kMenu)
            t[static_cast<size_t>(e.slot)][static_cast<size_t>(e.page)] = e.caption;
        return t;
    }();
    static const std::string none = "x";
    if (slot < 0 || slot >= kMenuSlots || page < 0 || page >= kMenuPages)
        return none;
    return table[static_cast<size_t>(slot)][static_cast<size_t>(page)];
}

std::string FolderPath(const char* literal)
{
    std::string s = literal ? literal : "";
    for (char& c : s)
        if (c == '\\')
            c = '/';
    return s;
}

}  // namespace catalogue
