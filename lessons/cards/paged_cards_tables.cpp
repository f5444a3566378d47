// The cards of the ten Chinese paged card lessons, page by page.
#include "lessons/cards/card_tables.h"

#include <array>

namespace cards {

namespace {

// clang-format off
const CardEntry kAnimals[] = {
    {"001", "公鸡", "🐓"}, {"002", "鸭子", "🦆"}, {"003", "山羊", "🐐"}, {"004", "猫", "🐱"}, {"005", "狗", "🐶"},
    {"006", "牛", "🐮"}, {"007", "猪", "🐷"}, {"008", "老鼠", "🐭"}, {"009", "兔子", "🐰"}, {"010", "鹅", "🪿"},
    {"011", "狮子", "🦁"}, {"012", "大象", "🐘"}, {"013", "犀牛", "🦏"}, {"014", "豹子", "🐆"}, {"015", "熊", "🐻"},
    {"016", "小熊猫", "red_panda"}, {"017", "熊猫", "🐼"}, {"018", "老虎", "🐯"}, {"019", "斑马", "🦓"}, {"020", "梅花鹿", "sika_deer"},
    {"021", "狼", "🐺"}, {"022", "狐狸", "🦊"}, {"023", "马", "🐴"}, {"024", "蚂蚁", "🐜"}, {"025", "蜗牛", "🐌"},
    {"026", "骆驼", "🐫"}, {"027", "袋鼠", "🦘"}, {"028", "鸵鸟", "ostrich"}, {"029", "螳螂", "mantis"}, {"030", "蟑螂", "🪳"},
    {"031", "长颈鹿", "🦒"}, {"032", "穿山甲", "pangolin"}, {"033", "蜈蚣", "centipede"}, {"034", "蝎子", "🦂"}, {"035", "蜥蜴", "🦎"},
    {"036", "变色龙", "chameleon"}, {"037", "孔雀", "🦚"}, {"038", "猩猩", "🦧"}, {"039", "壁虎", "gecko"}, {"040", "恐龙", "🦕"},
    {"041", "猴子", "🐒"}, {"042", "松鼠", "🐿️"}, {"043", "蜘蛛", "🕷️"}, {"044", "蝗虫", "🦗"}, {"045", "蚯蚓", "🪱"},
    {"046", "蛇", "🐍"}, {"047", "鱼", "🐟"}, {"048", "金鱼", "goldfish"}, {"049", "海豚", "🐬"}, {"050", "鲸", "🐋"},
    {"051", "鳝鱼", "rice_eel"}, {"052", "泥鳅", "loach"}, {"053", "螃蟹", "🦀"}, {"054", "小龙虾", "🦞"}, {"055", "乌龟", "🐢"},
    {"056", "甲鱼", "softshell_turtle"}, {"057", "鳄鱼", "🐊"}, {"058", "鸭嘴兽", "platypus"}, {"059", "河马", "🦛"}, {"060", "企鹅", "🐧"},
    {"061", "鲨鱼", "🦈"}, {"062", "海狮", "sea_lion"}, {"063", "海马", "seahorse"}, {"064", "海星", "starfish"}, {"065", "乌贼", "cuttlefish"},
    {"066", "水母", "🪼"}, {"067", "章鱼", "🐙"}, {"068", "海鳗", "moray"}, {"069", "七星瓢虫", "🐞"}, {"070", "金龟子", "🪲"},
    {"071", "知了", "cicada"}, {"072", "青蛙", "🐸"}, {"073", "天牛", "longhorn_beetle"}, {"074", "猫头鹰", "🦉"}, {"075", "乌鸦", "🐦‍⬛"},
    {"076", "燕子", "swallow"}, {"077", "麻雀", "sparrow"}, {"078", "蝴蝶", "🦋"}, {"079", "蜻蜓", "dragonfly"}, {"080", "毛毛虫", "🐛"},
};
// clang-format on

// clang-format off
const CardEntry kFruit[] = {
    {"001", "苹果", "🍎"}, {"002", "香蕉", "🍌"}, {"003", "葡萄", "🍇"}, {"004", "西瓜", "🍉"}, {"005", "草莓", "🍓"},
    {"006", "李子", "plum"}, {"007", "橘子", "🍊"}, {"008", "水蜜桃", "🍑"}, {"009", "芒果", "🥭"}, {"010", "枣子", "jujube"},
    {"011", "杨梅", "bayberry"}, {"012", "樱桃", "🍒"}, {"013", "哈密瓜", "🍈"}, {"014", "桂圆", "longan"}, {"015", "荔枝", "lychee"},
    {"016", "猕猴桃", "🥝"}, {"017", "石榴", "pomegranate"}, {"018", "柿子", "persimmon"}, {"019", "柚子", "pomelo"}, {"020", "榴莲", "durian"},
    {"021", "柠檬", "🍋"}, {"022", "枇杷", "loquat"}, {"023", "金桔", "kumquat"}, {"024", "梨", "🍐"}, {"025", "菠萝", "🍍"},
    {"026", "橄榄", "🫒"}, {"027", "火龙果", "dragon_fruit"}, {"028", "山楂", "hawthorn"}, {"029", "椰子", "🥥"}, {"030", "杨桃", "carambola"},
};
// clang-format on

// clang-format off
const CardEntry kVegetables[] = {
    {"001", "菠菜", "spinach"}, {"002", "香菜", "🌿"}, {"003", "茼蒿菜", "crown_daisy"}, {"004", "青菜", "bok_choy"}, {"005", "苋菜", "amaranth"},
    {"006", "莴苣", "celtuce"}, {"007", "大蒜", "🧄"}, {"008", "洋葱", "🧅"}, {"009", "韭菜", "chives"}, {"010", "豇豆", "yardlong_bean"},
    {"011", "黄瓜", "🥒"}, {"012", "丝瓜", "luffa"}, {"013", "冬瓜", "wax_gourd"}, {"014", "苦瓜", "bitter_melon"}, {"015", "南瓜", "pumpkin"},
    {"016", "芋头", "taro"}, {"017", "白萝卜", "white_radish"}, {"018", "胡萝卜", "🥕"}, {"019", "豌豆", "🫛"}, {"020", "四季豆", "green_beans"},
    {"021", "西红柿", "🍅"}, {"022", "辣椒", "🌶️"}, {"023", "茄子", "🍆"}, {"024", "土豆", "🥔"}, {"025", "山药", "yam"},
    {"026", "黑木耳", "wood_ear"}, {"027", "海带", "kelp"}, {"028", "藕", "lotus_root"}, {"029", "金针菇", "enoki"}, {"030", "蘑菇", "🍄"},
    {"031", "大豆", "soybean"}, {"032", "毛豆", "edamame"}, {"x", ""}, {"x", " "}, {"x", " "},
    {"x", " "}, {"x", " "}, {"x", " "}, {"x", " "}, {"x", " "},
};
// clang-format on

// clang-format off
const CardEntry kVehicles[] = {
    {"001", "小轿车", "🚗"}, {"002", "公交车", "🚌"}, {"003", "警车", "🚓"}, {"004", "救护车", "🚑"}, {"005", "自行车", "🚲"},
    {"006", "摩托车", "🏍️"}, {"007", "三轮车", "🛺"}, {"008", "火车", "🚆"}, {"009", "卡车", "🚚"}, {"010", "收割机", "combine_harvester"},
    {"011", "拖拉机", "🚜"}, {"012", "油罐车", "tanker_truck"}, {"013", "挖土机", "excavator"}, {"014", "推土机", "bulldozer"}, {"015", "叉车", "forklift"},
    {"016", "吊车", "crane_truck"}, {"017", "搅拌车", "mixer_truck"}, {"018", "通信车", "comm_van"}, {"019", "消防车", "🚒"}, {"020", "赛车", "🏎️"},
};
// clang-format on

// clang-format off
const CardEntry kAppliances[] = {
    {"001", "电视机", "📺"}, {"002", "电冰箱", "fridge"}, {"003", "空调", "air_conditioner"}, {"004", "洗衣机", "washing_machine"}, {"005", "电风扇", "electric_fan"},
    {"006", "电熨斗", "electric_iron"}, {"007", "电吹风", "hair_dryer"}, {"008", "台灯", "desk_lamp"}, {"009", "台式电脑", "🖥️"}, {"010", "笔记本电脑", "💻"},
    {"011", "热水器", "water_heater"}, {"012", "手电筒", "🔦"}, {"013", "摄影机", "🎥"}, {"014", "取暖器", "space_heater"}, {"015", "吸尘器", "vacuum_cleaner"},
    {"016", "饮水机", "water_dispenser"}, {"017", "微波炉", "microwave"}, {"018", "榨汁机", "juicer"}, {"019", "电磁炉", "induction_cooker"}, {"020", "电水壶", "electric_kettle"},
    {"021", "浴霸", "bath_heater"}, {"022", "数码相机", "📷"}, {"023", "平板电脑", "tablet"}, {"024", "固定电话机", "☎️"}, {"025", "手机", "📱"},
    {"026", "电饭煲", "rice_cooker"}, {"027", "汽车导航仪", "car_navigator"}, {"028", "打印机", "🖨️"}, {"029", "收音机", "📻"}, {"030", "MP3", "mp3_player"},
};
// clang-format on

// clang-format off
const CardEntry kDailyArticles[] = {
    {"001", "杯子", "🍵"}, {"002", "牙刷", "🪥"}, {"003", "牙膏", "toothpaste"}, {"004", "沙发", "🛋️"}, {"005", "床", "🛏️"},
    {"006", "文件夹", "📁"}, {"007", "手表", "⌚"}, {"008", "板凳", "stool"}, {"009", "肥皂", "🧼"}, {"010", "书包", "🎒"},
    {"011", "桌子", "table"}, {"012", "热水瓶", "thermos"}, {"013", "被子", "quilt"}, {"014", "枕头", "pillow"}, {"015", "毛巾", "towel"},
    {"016", "手套", "🧤"}, {"017", "衬衫", "👔"}, {"018", "裤子", "👖"}, {"019", "帽子", "🧢"}, {"020", "袜子", "🧦"},
    {"021", "鞋", "👟"}, {"022", "筷子", "🥢"}, {"023", "铅笔", "✏️"}, {"024", "橡皮擦", "eraser"}, {"025", "马桶", "🚽"},
    {"026", "垃圾箱", "🗑️"}, {"027", "打火机", "lighter"}, {"028", "水果刀", "🔪"}, {"029", "汤勺", "🥄"}, {"030", "炒锅", "🍳"},
};
// clang-format on

// The symbol cards show the symbol itself as text.
// clang-format off
const CardEntry kSymbols[] = {
    {"001", "逗号", "，"}, {"002", "句号", "。"}, {"003", "分号", "；"}, {"004", "问号", "？"}, {"005", "感叹号", "！"},
    {"006", "省略号", "……"}, {"007", "百分号", "%"}, {"008", "小括号", "( )"}, {"009", "中括号", "[ ]"}, {"010", "大括号", "{ }"},
    {"011", "加号", "+"}, {"012", "减号", "−"}, {"013", "乘号", "×"}, {"014", "除号", "÷"}, {"015", "冒号", "："},
    {"016", "井号", "#"}, {"017", "等于号", "="}, {"018", "大于号", ">"}, {"019", "小于号", "<"}, {"020", "单引号", "‘ ’"},
    {"021", "双引号", "“ ”"}, {"x", " "}, {"x", " "}, {"x", " "}, {"x", " "},
    {"x", " "}, {"x", " "}, {"x", " "}, {"x", " "}, {"x", " "},
};
// clang-format on

// Flags are 160 wide and as high as the country's proportions give (89 to 108).
// clang-format off
const CardEntry kFlags[] = {
    {"001", "中国", "🇨🇳", nullptr, 107}, {"002", "加拿大", "🇨🇦", nullptr, 89}, {"003", "美国", "🇺🇸", nullptr, 89},
    {"004", "德国", "🇩🇪", nullptr, 96}, {"005", "英国", "🇬🇧", nullptr, 89}, {"006", "意大利", "🇮🇹", nullptr, 107},
    {"007", "西班牙", "🇪🇸", nullptr, 107}, {"008", "法国", "🇫🇷", nullptr, 107},
    {"009", "芬兰", "🇫🇮", nullptr, 98}, {"010", "荷兰", "🇳🇱", nullptr, 107}, {"011", "葡萄牙", "🇵🇹", nullptr, 107},
    {"012", "澳大利亚", "🇦🇺", nullptr, 89}, {"013", "俄罗斯", "🇷🇺", nullptr, 107}, {"014", "印度", "🇮🇳", nullptr, 107},
    {"015", "日本", "🇯🇵", nullptr, 107}, {"016", "阿根廷", "🇦🇷", nullptr, 100},
    {"017", "巴西", "🇧🇷", nullptr, 108}, {"018", "墨西哥", "🇲🇽", nullptr, 91}, {"019", "埃及", "🇪🇬", nullptr, 107},
    {"020", "南非", "🇿🇦", nullptr, 107}, {"021", "越南", "🇻🇳", nullptr, 107}, {"022", "泰国", "🇹🇭", nullptr, 107},
    {"023", "沙特阿拉伯 ", "🇸🇦", nullptr, 107}, {"024", "伊朗", "🇮🇷", nullptr, 91},
};
// clang-format on

// clang-format off
const CardEntry kFlowers[] = {
    {"001", "牡丹花", "peony"}, {"002", "菊花", "🌼"}, {"003", "荷花", "🪷"}, {"004", "梅花", "plum_blossom"}, {"005", "桂花", "osmanthus"},
    {"006", "玫瑰花", "🌹"}, {"007", "水仙花", "narcissus"}, {"008", "山茶花", "camellia"}, {"009", "杜鹃花", "azalea"}, {"010", "石榴花", "pomegranate_flower"},
    {"011", "玉兰花", "magnolia"}, {"012", "丁香花", "lilac"}, {"013", "含笑花", "banana_shrub"}, {"014", "百合花", "lily"}, {"015", "茉莉花", "jasmine"},
    {"016", "海棠花", "crabapple"}, {"017", "桃花", "peach_blossom"}, {"018", "芭蕉花", "banana_flower"}, {"019", "郁金香", "🌷"}, {"020", "向日葵", "🌻"},
    {"021", "紫罗兰", "violet"}, {"022", "樱花", "🌸"}, {"023", "康乃馨", "carnation"}, {"024", "鸡冠花", "cockscomb"}, {"025", "牵牛花", "morning_glory"},
    {"026", "蝴蝶兰", "moth_orchid"}, {"027", "仙人掌", "🌵"}, {"028", "凤梨花", "bromeliad"}, {"029", "曼陀罗", "datura"}, {"030", "乌羽玉", "peyote"},
};
// clang-format on

// Things known by their sound: each recording imitates the thing.
// clang-format off
const CardEntry kSoundThings[] = {
    {"001", "小狗", "🐶", "汪汪汪"}, {"002", "小猫", "🐱", "喵喵喵"}, {"003", "老虎", "🐯", "嗷呜——"},
    {"004", "马", "🐴", "咴儿咴儿"}, {"005", "青蛙", "🐸", "呱呱呱"}, {"006", "知了", "cicada", "知了知了知了"},
    {"007", "山羊", "🐐", "咩咩咩"}, {"008", "猪", "🐷", "哼哼哼"}, {"009", "牛", "🐮", "哞——"},
    {"010", "布谷鸟", "cuckoo", "布谷，布谷"},
    {"011", "公鸡", "🐓", "喔喔喔——"}, {"012", "鸭子", "🦆", "嘎嘎嘎"}, {"013", "火车", "🚂", "呜——，咔嚓咔嚓"},
    {"014", "大灰狼", "🐺", "嗷呜——嗷呜——"}, {"015", "鞭炮", "🧨", "噼里啪啦，噼里啪啦"}, {"016", "打呼噜", "😴", "呼噜，呼噜"},
    {"017", "鼓掌", "👏", "啪啪啪啪"}, {"018", "汽车喇叭", "🚗", "嘀嘀，嘀嘀"}, {"019", "电话", "☎️", "叮铃铃，叮铃铃"},
    {"020", "婴儿哭", "crying_baby", "哇哇哇"},
};
// clang-format on

}  // namespace

const CardFamily kAnimalCards{"TFM_SeeLandAnimal", "dongwut", 10, kAnimals};
const CardFamily kFruitCards{"TFM_SeeFruit", "shuigt", 10, kFruit};
const CardFamily kVegetableCards{"TFM_SeeShuCai", "shucait", 10, kVegetables};
const CardFamily kVehicleCards{"TFM_SeeJiaoTongGongJu", "chet", 10, kVehicles};
const CardFamily kApplianceCards{"TFM_SeeJiaYongDianQi", "jdt", 10, kAppliances};
const CardFamily kDailyArticleCards{"TFM_SeeRiYongJiaJU", "ryt", 10, kDailyArticles};
const CardFamily kSymbolCards{.className = "TFM_ChangYongFuHao",
                              .prefix = "FHT",
                              .slotsPerPage = 10,
                              .cards = kSymbols,
                              .motifIsText = true,
                              .recipe = "symbol"};
const CardFamily kFlagCards{.className = "TFM_GuoQi",
                            .prefix = "GQT",
                            .slotsPerPage = 8,
                            .cards = kFlags,
                            .pictureWidth = 160,
                            .recipe = "flag"};
const CardFamily kFlowerCards{"TFM_SeeFlowers", "huat", 10, kFlowers};
const CardFamily kSoundCards{"TFM_VoiceOfAnimal", "tdwt", 10, kSoundThings};

std::span<const CardFamily* const> PagedCardFamilies()
{
    static const std::array<const CardFamily*, 12> all = {
        &kAnimalCards, &kFruitCards, &kVegetableCards, &kVehicleCards, &kApplianceCards,    &kDailyArticleCards,
        &kSymbolCards, &kFlagCards,  &kFlowerCards,    &kSoundCards,   &kEnglishFruitCards, &kEnglishAnimalCards,
    };
    return all;
}

}  // namespace cards
