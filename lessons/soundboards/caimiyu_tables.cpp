// The 30 riddles, by number, with their texts as the screen shows them
// (ASCII and full-width punctuation and blanks as they stand) and answers.
#include "lessons/soundboards/caimiyu_tables.h"
#include "platform/strings.h"

namespace soundboards {

// clang-format off
const std::array<Riddle, kRiddles> kRiddleTable = {{
    /*  1 */ {.text = "五个兄弟,住在一起,名字不同,高矮不齐-(猜人体的某一个部位)",
              .answer = "手", .emoji = "🖐️",
              .reading = "wu3 ge4 xiong1 di4, zhu4 zai4 yi4 qi3, ming2 zi5 bu4 tong2, gao1 ai3 bu4 qi2 - (cai1 ren2 ti3 de5 mou3 yi2 ge4 bu4 wei4)"},
    /*  2 */ {.text = "屋子方方,有门没窗,屋外很热,屋里结霜-(猜一种家用电器)",
              .answer = "冰箱", .drawing = "fridge",
              .reading = "wu1 zi5 fang1 fang1, you3 men2 mei2 chuang1, wu1 wai4 hen3 re4, wu1 li3 jie2 shuang1 - (cai1 yi4 zhong3 jia1 yong4 dian4 qi4)"},
    /*  3 */ {.text = "兄弟七八个,围着柱子坐,只要一分开,衣服就扯破-(猜一种蔬菜)",
              .answer = "大蒜", .emoji = "🧄",
              .reading = "xiong1 di4 qi1 ba1 ge4, wei2 zhe5 zhu4 zi5 zuo4, zhi3 yao4 yi4 fen1 kai1, yi1 fu5 jiu4 che3 po4 - (cai1 yi4 zhong3 shu1 cai4)"},
    /*  4 */ {.text = "身穿绿衣裳,肚里水汪汪,生的小子儿多,个个黑脸膛-(猜一种水果)",
              .answer = "西瓜", .emoji = "🍉",
              .reading = "shen1 chuan1 lv4 yi1 shang5, du4 li3 shui3 wang1 wang1, sheng1 de5 xiao3 zi3r duo1, ge4 ge4 hei1 lian3 tang2 - (cai1 yi4 zhong3 shui3 guo3)"},
    /*  5 */ {.text = "头戴大红花,身穿五彩衣,从来不唱戏,一早催人起-(猜一种动物)",
              .answer = "公鸡", .emoji = "🐓",
              .reading = "tou2 dai4 da4 hong2 hua1, shen1 chuan1 wu3 cai3 yi1, cong2 lai2 bu2 chang4 xi4, yi4 zao3 cui1 ren2 qi3 - (cai1 yi4 zhong3 dong4 wu4)"},
    /*  6 */ {.text = "八只脚,一面鼓,两把剪刀鼓前舞,生来横行又霸道,嘴里常把泡沫吐-(猜一种动物)",
              .answer = "螃蟹", .emoji = "🦀",
              .reading = "ba1 zhi1 jiao3, yi2 mian4 gu3, liang3 ba3 jian3 dao1 gu3 qian2 wu3, sheng1 lai2 heng2 xing2 you4 ba4 dao4, zui3 li3 chang2 ba3 pao4 mo4 tu3 - (cai1 yi4 zhong3 dong4 wu4)"},
    /*  7 */ {.text = "身穿皮袍黄又黄,敖呜一声百兽慌,虽然没率兵和将,威风凛凛山大王-(猜一种动物)",
              .answer = "老虎", .emoji = "🐯",
              .reading = "shen1 chuan1 pi2 pao2 huang2 you4 huang2, ao2 wu1 yi4 sheng1 bai3 shou4 huang1, sui1 ran2 mei2 shuai4 bing1 he2 jiang4, wei1 feng1 lin3 lin3 shan1 da4 wang2 - (cai1 yi4 zhong3 dong4 wu4)"},
    /*  8 */ {.text = "名字叫做牛,从来不耕田, 说它力气小,背着房子走-(猜一种动物)",
              .answer = "蜗牛", .emoji = "🐌",
              .reading = "ming2 zi5 jiao4 zuo4 niu2, cong2 lai2 bu4 geng1 tian2, shuo1 ta1 li4 qi5 xiao3, bei1 zhe5 fang2 zi5 zou3 - (cai1 yi4 zhong3 dong4 wu4)"},
    /*  9 */ {.text = "嘴象小铲子, 脚象小扇子, 走路左右摆,不是摆架子-(猜一种动物)",
              .answer = "鸭子", .emoji = "🦆",
              .reading = "zui3 xiang4 xiao3 chan3 zi5, jiao3 xiang4 xiao3 shan4 zi5, zou3 lu4 zuo3 you4 bai3, bu2 shi4 bai3 jia4 zi5 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 10 */ {.text = "脸上长鼻子,头上挂扇子, 四根粗柱子,一条小辫子-(猜一种动物)",
              .answer = "大象", .emoji = "🐘",
              .reading = "lian3 shang5 zhang3 bi2 zi5, tou2 shang5 gua4 shan4 zi5, si4 gen1 cu1 zhu4 zi5, yi4 tiao2 xiao3 bian4 zi5 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 11 */ {.text = "头戴绿帽，身穿绿袍， 腰细肚大，双手拿刀-(猜一种动物)",
              .answer = "螳螂", .drawing = "mantis",
              .reading = "tou2 dai4 lv4 mao4, shen1 chuan1 lv4 pao2, yao1 xi4 du4 da4, shuang1 shou3 na2 dao1 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 12 */ {.text = "秋天走了春天回， 带着一把小剪刀，半空之中飞呀飞-(猜一种动物)",
              .answer = "燕子", .drawing = "swallow",
              .reading = "qiu1 tian1 zou3 le5 chun1 tian1 hui2, dai4 zhe5 yi4 ba3 xiao3 jian3 dao1, ban4 kong1 zhi1 zhong1 fei1 ya5 fei1 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 13 */ {.text = "尾巴一根钉，眼睛两粒豆，有翅没有毛，有脚不会走-(猜一种动物)",
              .answer = "蜻蜓", .drawing = "dragonfly",
              .reading = "wei3 ba5 yi4 gen1 ding1, yan3 jing5 liang3 li4 dou4, you3 chi4 mei2 you3 mao2, you3 jiao3 bu2 hui4 zou3 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 14 */ {.text = "说话呱呱呱，小时没有脚，长大没尾巴-(猜一种动物)",
              .answer = "青蛙", .emoji = "🐸",
              .reading = "shuo1 hua4 gua1 gua1 gua1, xiao3 shi2 mei2 you3 jiao3, zhang3 da4 mei2 wei3 ba5 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 15 */ {.text = "有种鸟儿本领高,尖嘴会给树开刀,钩出害虫一条条-(猜一种动物)",
              .answer = "啄木鸟", .drawing = "woodpecker",
              .reading = "you3 zhong3 niao3r ben3 ling3 gao1, jian1 zui3 hui4 gei3 shu4 kai1 dao1, gou1 chu1 hai4 chong2 yi4 tiao2 tiao2 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 16 */ {.text = "胡子不多两边翘，开口总是喵喵喵，黑夜巡逻眼似灯，房屋四处它放哨-(猜一种动物)",
              .answer = "猫", .emoji = "🐱",
              .reading = "hu2 zi5 bu4 duo1 liang3 bian1 qiao4, kai1 kou3 zong3 shi4 miao1 miao1 miao1, hei1 ye4 xun2 luo2 yan3 si4 deng1, fang2 wu1 si4 chu4 ta1 fang4 shao4 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 17 */ {.text = "头小颈长四脚短，硬壳儿里面把身安，别看胆小又怕事，要论寿命大无边-(猜一种动物)",
              .answer = "乌龟", .emoji = "🐢",
              .reading = "tou2 xiao3 jing3 chang2 si4 jiao3 duan3, ying4 ke2r li3 mian4 ba3 shen1 an1, bie2 kan4 dan3 xiao3 you4 pa4 shi4, yao4 lun4 shou4 ming4 da4 wu2 bian1 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 18 */ {.text = "像熊比熊小,总是黑眼圈,喜欢吃竹笋,树林把家安-(猜一种动物)",
              .answer = "熊猫", .emoji = "🐼",
              .reading = "xiang4 xiong2 bi3 xiong2 xiao3, zong3 shi4 hei1 yan3 quan1, xi3 huan5 chi1 zhu2 sun3, shu4 lin2 ba3 jia1 an1 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 19 */ {.text = "光滑小宝宝，洗澡吹泡泡，洗洗身体小，再洗不见了-(猜一种日用品)",
              .answer = "肥皂", .emoji = "🧼",
              .reading = "guang1 hua2 xiao3 bao3 bao5, xi3 zao3 chui1 pao4 pao5, xi3 xi5 shen1 ti3 xiao3, zai4 xi3 bu2 jian4 le5 - (cai1 yi4 zhong3 ri4 yong4 pin3)"},
    /* 20 */ {.text = "麻屋子,红帐子,里面住了个白胖子-(猜一种植物)",
              .answer = "花生", .emoji = "🥜",
              .reading = "ma2 wu1 zi5, hong2 zhang4 zi5, li3 mian4 zhu4 le5 ge5 bai2 pang4 zi5 - (cai1 yi4 zhong3 zhi2 wu4)"},
    /* 21 */ {.text = "有个红公公， 天亮就出工， 若是不见他， 不是下雨就刮风-(猜一种恒星)",
              .answer = "太阳", .emoji = "☀️",
              .reading = "you3 ge4 hong2 gong1 gong5, tian1 liang4 jiu4 chu1 gong1, ruo4 shi4 bu2 jian4 ta1, bu2 shi4 xia4 yu3 jiu4 gua1 feng1 - (cai1 yi4 zhong3 heng2 xing1)"},
    /* 22 */ {.text = "身体肥，头儿大，脸儿长，宽嘴巴，名字叫马却没毛，常在水中度生涯-(猜一种动物)",
              .answer = "河马", .emoji = "🦛",
              .reading = "shen1 ti3 fei2, tou2r da4, lian3r chang2, kuan1 zui3 ba5, ming2 zi5 jiao4 ma3 que4 mei2 mao2, chang2 zai4 shui3 zhong1 du4 sheng1 ya2 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 23 */ {.text = "尖尖牙齿，大盆嘴，短短腿儿长长尾，捕捉食物流眼泪，人人知它假慈悲-(猜一种动物)",
              .answer = "鳄鱼", .emoji = "🐊",
              .reading = "jian1 jian1 ya2 chi3, da4 pen2 zui3, duan3 duan3 tui3r chang2 chang2 wei3, bu3 zhuo1 shi2 wu4 liu2 yan3 lei4, ren2 ren2 zhi1 ta1 jia3 ci2 bei1 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 24 */ {.text = "天热爬上树梢，总爱大喊大叫，明明啥也不懂，偏说知道知道(猜一种动物)",
              .answer = "知了", .drawing = "cicada",
              .reading = "tian1 re4 pa2 shang4 shu4 shao1, zong3 ai4 da4 han3 da4 jiao4, ming2 ming2 sha2 ye3 bu4 dong3, pian1 shuo1 zhi1 dao5 zhi1 dao5 (cai1 yi4 zhong3 dong4 wu4)"},
    /* 25 */ {.text = "身上雪雪白，海里很自在，肚里墨墨黑，从不偷东西，却说它是贼-(猜一种植物)",
              .answer = "乌贼", .drawing = "cuttlefish",
              .reading = "shen1 shang5 xue3 xue3 bai2, hai3 li3 hen3 zi4 zai5, du4 li3 mo4 mo4 hei1, cong2 bu4 tou1 dong1 xi5, que4 shuo1 ta1 shi4 zei2 - (cai1 yi4 zhong3 zhi2 wu4)"},
    /* 26 */ {.text = "面孔像猫，起飞像鸟，天天上夜班，捉鼠本领高(猜一种动物)",
              .answer = "猫头鹰", .emoji = "🦉",
              .reading = "mian4 kong3 xiang4 mao1, qi3 fei1 xiang4 niao3, tian1 tian1 shang4 ye4 ban1, zhuo1 shu3 ben3 ling3 gao1 (cai1 yi4 zhong3 dong4 wu4)"},
    /* 27 */ {.text = "凸眼睛，阔嘴巴，尾巴要比身体大，碧绿水草衬着它，好像一朵大红花-(猜一种动物)",
              .answer = "金鱼", .drawing = "goldfish",
              .reading = "tu1 yan3 jing5, kuo4 zui3 ba5, wei3 ba5 yao4 bi3 shen1 ti3 da4, bi4 lv4 shui3 cao3 chen4 zhe5 ta1, hao3 xiang4 yi4 duo3 da4 hong2 hua1 - (cai1 yi4 zhong3 dong4 wu4)"},
    /* 28 */ {.text = "冬天蟠龙卧，夏天枝叶开，龙须往上长，珍珠往下排-(猜一种植物)",
              .answer = "葡萄", .emoji = "🍇",
              .reading = "dong1 tian1 pan2 long2 wo4, xia4 tian1 zhi1 ye4 kai1, long2 xu1 wang3 shang4 zhang3, zhen1 zhu1 wang3 xia4 pai2 - (cai1 yi4 zhong3 zhi2 wu4)"},
    /* 29 */ {.text = "高高个儿一身青，金黄圆脸喜盈盈，天天对着太阳笑，结的果实数不清-(猜一种花)",
              .answer = "向日葵", .emoji = "🌻",
              .reading = "gao1 gao1 ge4r yi4 shen1 qing1, jin1 huang2 yuan2 lian3 xi3 ying2 ying2, tian1 tian1 dui4 zhe5 tai4 yang2 xiao4, jie1 de5 guo3 shi2 shu3 bu4 qing1 - (cai1 yi4 zhong3 hua1)"},
    /* 30 */ {.text = "弯弯的不是镰刀，翘翘的不是牛角，一旦抓它在手，撕开脸皮就咬-(猜一种水果)",
              .answer = "香蕉", .emoji = "🍌",
              .reading = "wan1 wan1 de5 bu2 shi4 lian2 dao1, qiao4 qiao4 de5 bu2 shi4 niu2 jiao3, yi2 dan4 zhua1 ta1 zai4 shou3, si1 kai1 lian3 pi2 jiu4 yao3 - (cai1 yi4 zhong3 shui3 guo3)"},
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
