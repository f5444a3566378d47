// The 30 riddles, by number, with their texts as the screen shows them
// (ASCII and full-width punctuation and blanks as they stand) and answers.
#include "lessons/soundboards/caimiyu_tables.h"
#include "platform/strings.h"

namespace soundboards {

// clang-format off
const std::array<Riddle, kRiddles> kRiddleTable = {{
    /*  1 */ {.text = "五个兄弟,住在一起,名字不同,高矮不齐-(猜人体的某一个部位)",
              .answer = "手", .emoji = "🖐️"},
    /*  2 */ {.text = "屋子方方,有门没窗,屋外很热,屋里结霜-(猜一种家用电器)",
              .answer = "冰箱", .drawing = "fridge"},
    /*  3 */ {.text = "兄弟七八个,围着柱子坐,只要一分开,衣服就扯破-(猜一种蔬菜)",
              .answer = "大蒜", .emoji = "🧄"},
    /*  4 */ {.text = "身穿绿衣裳,肚里水汪汪,生的小子儿多,个个黑脸膛-(猜一种水果)",
              .answer = "西瓜", .emoji = "🍉"},
    /*  5 */ {.text = "头戴大红花,身穿五彩衣,从来不唱戏,一早催人起-(猜一种动物)",
              .answer = "公鸡", .emoji = "🐓"},
    /*  6 */ {.text = "八只脚,一面鼓,两把剪刀鼓前舞,生来横行又霸道,嘴里常把泡沫吐-(猜一种动物)",
              .answer = "螃蟹", .emoji = "🦀"},
    /*  7 */ {.text = "身穿皮袍黄又黄,敖呜一声百兽慌,虽然没率兵和将,威风凛凛山大王-(猜一种动物)",
              .answer = "老虎", .emoji = "🐯"},
    /*  8 */ {.text = "名字叫做牛,从来不耕田, 说它力气小,背着房子走-(猜一种动物)",
              .answer = "蜗牛", .emoji = "🐌"},
    /*  9 */ {.text = "嘴象小铲子, 脚象小扇子, 走路左右摆,不是摆架子-(猜一种动物)",
              .answer = "鸭子", .emoji = "🦆"},
    /* 10 */ {.text = "脸上长鼻子,头上挂扇子, 四根粗柱子,一条小辫子-(猜一种动物)",
              .answer = "大象", .emoji = "🐘"},
    /* 11 */ {.text = "头戴绿帽，身穿绿袍， 腰细肚大，双手拿刀-(猜一种动物)",
              .answer = "螳螂", .drawing = "mantis"},
    /* 12 */ {.text = "秋天走了春天回， 带着一把小剪刀，半空之中飞呀飞-(猜一种动物)",
              .answer = "燕子", .drawing = "swallow"},
    /* 13 */ {.text = "尾巴一根钉，眼睛两粒豆，有翅没有毛，有脚不会走-(猜一种动物)",
              .answer = "蜻蜓", .drawing = "dragonfly"},
    /* 14 */ {.text = "说话呱呱呱，小时没有脚，长大没尾巴-(猜一种动物)",
              .answer = "青蛙", .emoji = "🐸"},
    /* 15 */ {.text = "有种鸟儿本领高,尖嘴会给树开刀,钩出害虫一条条-(猜一种动物)",
              .answer = "啄木鸟", .drawing = "woodpecker"},
    /* 16 */ {.text = "胡子不多两边翘，开口总是喵喵喵，黑夜巡逻眼似灯，房屋四处它放哨-(猜一种动物)",
              .answer = "猫", .emoji = "🐱"},
    /* 17 */ {.text = "头小颈长四脚短，硬壳儿里面把身安，别看胆小又怕事，要论寿命大无边-(猜一种动物)",
              .answer = "乌龟", .emoji = "🐢"},
    /* 18 */ {.text = "像熊比熊小,总是黑眼圈,喜欢吃竹笋,树林把家安-(猜一种动物)",
              .answer = "熊猫", .emoji = "🐼"},
    /* 19 */ {.text = "光滑小宝宝，洗澡吹泡泡，洗洗身体小，再洗不见了-(猜一种日用品)",
              .answer = "肥皂", .emoji = "🧼"},
    /* 20 */ {.text = "麻屋子,红帐子,里面住了个白胖子-(猜一种植物)",
              .answer = "花生", .emoji = "🥜"},
    /* 21 */ {.text = "有个红公公， 天亮就出工， 若是不见他， 不是下雨就刮风-(猜一种恒星)",
              .answer = "太阳", .emoji = "☀️"},
    /* 22 */ {.text = "身体肥，头儿大，脸儿长，宽嘴巴，名字叫马却没毛，常在水中度生涯-(猜一种动物)",
              .answer = "河马", .emoji = "🦛"},
    /* 23 */ {.text = "尖尖牙齿，大盆嘴，短短腿儿长长尾，捕捉食物流眼泪，人人知它假慈悲-(猜一种动物)",
              .answer = "鳄鱼", .emoji = "🐊"},
    /* 24 */ {.text = "天热爬上树梢，总爱大喊大叫，明明啥也不懂，偏说知道知道(猜一种动物)",
              .answer = "知了", .drawing = "cicada"},
    /* 25 */ {.text = "身上雪雪白，海里很自在，肚里墨墨黑，从不偷东西，却说它是贼-(猜一种植物)",
              .answer = "乌贼", .drawing = "cuttlefish"},
    /* 26 */ {.text = "面孔像猫，起飞像鸟，天天上夜班，捉鼠本领高(猜一种动物)",
              .answer = "猫头鹰", .emoji = "🦉"},
    /* 27 */ {.text = "凸眼睛，阔嘴巴，尾巴要比身体大，碧绿水草衬着它，好像一朵大红花-(猜一种动物)",
              .answer = "金鱼", .drawing = "goldfish"},
    /* 28 */ {.text = "冬天蟠龙卧，夏天枝叶开，龙须往上长，珍珠往下排-(猜一种植物)",
              .answer = "葡萄", .emoji = "🍇"},
    /* 29 */ {.text = "高高个儿一身青，金黄圆脸喜盈盈，天天对着太阳笑，结的果实数不清-(猜一种花)",
              .answer = "向日葵", .emoji = "🌻"},
    /* 30 */ {.text = "弯弯的不是镰刀，翘翘的不是牛角，一旦抓它在手，撕开脸皮就咬-(猜一种水果)",
              .answer = "香蕉", .emoji = "🍌"},
}};
// clang-format on

int RiddleNumber(int page, int slot)
{
    return kRiddleSlots * page + slot + 1;
}

std::string RiddleSound(int n)
{
    return platform::ThreeDigits(n);
}

std::string RiddleCaption(int n)
{
    return "谜语" + std::to_string(n);
}

std::string RiddleAnswerPicture(int n)
{
    return RiddleAnswerPicture(RiddleSound(n));
}

std::string RiddleAnswerWord(const std::string& riddleSound)
{
    return "b" + riddleSound;
}

std::string RiddleAnswerPicture(const std::string& riddleSound)
{
    return "cmy" + riddleSound;
}

const Riddle* RiddleOf(int n)
{
    return n >= 1 && n <= kRiddles ? &kRiddleTable[static_cast<size_t>(n - 1)] : nullptr;
}

}  // namespace soundboards
