// The 72 poems of the Tang poems lesson, page by page in button order, one
// couplet to a source line so each text can be read against the poem.
#include "lessons/soundboards/tangshi_tables.h"

namespace soundboards {

const std::array<const char*, kPoemSlots> kPoemButtons = {"btn_a1", "btn_b1", "btn_c1", "btn_d1",
                                                          "btn_a2", "btn_b2", "btn_c2", "btn_d2"};

// clang-format off
const std::array<Poem, kPoemPages * kPoemSlots> kPoems = {{
    // Page 0: the first poems a child learns.
    {.page = 0, .button = "btn_a1", .sound = "001", .title = "登鹳鹊楼", .poet = "王之涣",
     .text = "白日依山尽,/黄河入海流./"
             "欲穷千里目,/更上一层楼./",
     .titleReading = "deng1 guan4 que4 lou2", .poetReading = "wang2 zhi1 huan4",
     .reading = "bai2 ri4 yi1 shan1 jin4, huang2 he2 ru4 hai3 liu2. "
                "yu4 qiong2 qian1 li3 mu4, geng4 shang4 yi4 ceng2 lou2."},
    {.page = 0, .button = "btn_a2", .sound = "002", .title = "静夜思", .poet = "李白",
     .text = "床前明月光,/疑是地上霜./"
             "举头望明月,/低头思故乡./",
     .titleReading = "jing4 ye4 si1", .poetReading = "li3 bai2",
     .reading = "chuang2 qian2 ming2 yue4 guang1, yi2 shi4 di4 shang4 shuang1. "
                "ju3 tou2 wang4 ming2 yue4, di1 tou2 si1 gu4 xiang1."},
    {.page = 0, .button = "btn_b1", .sound = "004", .title = "咏鹅", .poet = "骆宾王",
     .text = "鹅,鹅,鹅,/曲项向天歌./"
             "白毛浮绿水,/红掌拨清波./",
     .titleReading = "yong3 e2", .poetReading = "luo4 bin1 wang2",
     .reading = "e2, e2, e2, qu1 xiang4 xiang4 tian1 ge1. "
                "bai2 mao2 fu2 lv4 shui3, hong2 zhang3 bo1 qing1 bo1."},
    {.page = 0, .button = "btn_b2", .sound = "005", .title = "悯农(锄禾日当午)", .poet = "李绅",
     .text = "锄禾日当午,/汗滴禾下土./"
             "谁知盘中餐,/粒粒皆辛苦./",
     .titleReading = "min3 nong2", .poetReading = "li3 shen1",
     .reading = "chu2 he2 ri4 dang1 wu3, han4 di1 he2 xia4 tu3. "
                "shui2 zhi1 pan2 zhong1 can1, li4 li4 jie1 xin1 ku3."},
    {.page = 0, .button = "btn_c1", .sound = "027", .title = "悯农(春种一粒粟)", .poet = "李绅",
     .text = "春种一粒粟,/秋收万颗子./"
             "四海无闲田,/农夫犹饿死./",
     .titleReading = "min3 nong2", .poetReading = "li3 shen1",
     .reading = "chun1 zhong4 yi2 li4 su4, qiu1 shou1 wan4 ke1 zi3. "
                "si4 hai3 wu2 xian2 tian2, nong2 fu1 you2 e4 si3."},
    {.page = 0, .button = "btn_c2", .sound = "008", .title = "咏柳", .poet = "贺知章",
     .text = "碧玉妆成一树高,/万条垂下绿丝绦./"
             "不知细叶谁裁出,/二月春风似剪刀./",
     .titleReading = "yong3 liu3", .poetReading = "he4 zhi1 zhang1",
     .reading = "bi4 yu4 zhuang1 cheng2 yi2 shu4 gao1, wan4 tiao2 chui2 xia4 lv4 si1 tao1. "
                "bu4 zhi1 xi4 ye4 shui2 cai2 chu1, er4 yue4 chun1 feng1 si4 jian3 dao1."},
    {.page = 0, .button = "btn_d1", .sound = "010", .title = "绝句(杜甫)", .poet = "杜甫",
     .text = "两个黄鹂鸣翠柳,/一行白鹭上青天./"
             "窗含西岭千秋雪,/门泊东吴万里船./",
     .titleReading = "jue2 ju4", .poetReading = "du4 fu3",
     .reading = "liang3 ge4 huang2 li2 ming2 cui4 liu3, yi4 hang2 bai2 lu4 shang4 qing1 tian1. "
                "chuang1 han2 xi1 ling3 qian1 qiu1 xue3, men2 bo2 dong1 wu2 wan4 li3 chuan2."},
    {.page = 0, .button = "btn_d2", .sound = "031", .title = "枫桥夜泊", .poet = "张继",
     .text = "月落乌啼霜满天,/江枫渔火对愁眠./"
             "姑苏城外寒山寺,/夜半钟声到客船./",
     .titleReading = "feng1 qiao2 ye4 bo2", .poetReading = "zhang1 ji4",
     .reading = "yue4 luo4 wu1 ti2 shuang1 man3 tian1, jiang1 feng1 yu2 huo3 dui4 chou2 mian2. "
                "gu1 su1 cheng2 wai4 han2 shan1 si4, ye4 ban4 zhong1 sheng1 dao4 ke4 chuan2."},

    // Page 1.
    {.page = 1, .button = "btn_a1", .sound = "066", .title = "寻隐者不遇", .poet = "贾岛",
     .text = "松下问童子,/言师采药去./"
             "只在此山中,/云深不知处./",
     .titleReading = "xun2 yin3 zhe3 bu2 yu4", .poetReading = "jia3 dao3",
     .reading = "song1 xia4 wen4 tong2 zi3, yan2 shi1 cai3 yao4 qu4. "
                "zhi3 zai4 ci3 shan1 zhong1, yun2 shen1 bu4 zhi1 chu4."},
    {.page = 1, .button = "btn_a2", .sound = "014", .title = "江雪", .poet = "柳宗元",
     .text = "千山鸟飞绝,/万径人踪灭./"
             "孤舟蓑笠翁,/独钓寒江雪./",
     .titleReading = "jiang1 xue3", .poetReading = "liu3 zong1 yuan2",
     .reading = "qian1 shan1 niao3 fei1 jue2, wan4 jing4 ren2 zong1 mie4. "
                "gu1 zhou1 suo1 li4 weng1, du2 diao4 han2 jiang1 xue3."},
    {.page = 1, .button = "btn_b1", .sound = "024", .title = "风", .poet = "李峤",
     .text = "解落三秋叶,/能开二月花./"
             "过江千尺浪,/入竹万竿斜./",
     .titleReading = "feng1", .poetReading = "li3 qiao2",
     .reading = "jie3 luo4 san1 qiu1 ye4, neng2 kai1 er4 yue4 hua1. "
                "guo4 jiang1 qian1 chi3 lang4, ru4 zhu2 wan4 gan1 xie2."},
    {.page = 1, .button = "btn_b2", .sound = "003", .title = "春晓", .poet = "孟浩然",
     .text = "春眠不觉晓,/处处闻啼鸟./"
             "夜来风雨声,/花落知多少./",
     .titleReading = "chun1 xiao3", .poetReading = "meng4 hao4 ran2",
     .reading = "chun1 mian2 bu4 jue2 xiao3, chu4 chu4 wen2 ti2 niao3. "
                "ye4 lai2 feng1 yu3 sheng1, hua1 luo4 zhi1 duo1 shao3."},
    {.page = 1, .button = "btn_c1", .sound = "019", .title = "小儿垂钓", .poet = "胡令能",
     .text = "蓬头稚子学垂纶,/侧坐莓苔草映身./"
             "路人借问遥招手,/怕得鱼惊不应人./",
     .titleReading = "xiao3 er2 chui2 diao4", .poetReading = "hu2 ling4 neng2",
     .reading = "peng2 tou2 zhi4 zi3 xue2 chui2 lun2, ce4 zuo4 mei2 tai2 cao3 ying4 shen1. "
                "lu4 ren2 jie4 wen4 yao2 zhao1 shou3, pa4 de2 yu2 jing1 bu2 ying4 ren2."},
    // Stored with one line end missing: the reading box shows three lines.
    {.page = 1, .button = "btn_c2", .sound = "048", .title = "出塞(王昌龄)", .poet = "王昌龄",
     .text = "秦时明月汉时关,/万里长征人未还."
             "但使龙城飞将在,/不教胡马渡阴山./",
     .titleReading = "chu1 sai4", .poetReading = "wang2 chang1 ling2",
     .reading = "qin2 shi2 ming2 yue4 han4 shi2 guan1, wan4 li3 chang2 zheng1 ren2 wei4 huan2. "
                "dan4 shi3 long2 cheng2 fei1 jiang4 zai4, bu2 jiao4 hu2 ma3 du4 yin1 shan1."},
    {.page = 1, .button = "btn_d1", .sound = "022", .title = "回乡偶书(少小离家)", .poet = "贺知章",
     .text = "少小离家老大回,/乡音无改鬓毛衰./"
             "儿童相见不相识,/笑问客从何处来./",
     .titleReading = "hui2 xiang1 ou3 shu1", .poetReading = "he4 zhi1 zhang1",
     .reading = "shao4 xiao3 li2 jia1 lao3 da4 hui2, xiang1 yin1 wu2 gai3 bin4 mao2 shuai1. "
                "er2 tong2 xiang1 jian4 bu4 xiang1 shi2, xiao4 wen4 ke4 cong2 he2 chu4 lai2."},
    {.page = 1, .button = "btn_d2", .sound = "023", .title = "回乡偶书(离别家乡)", .poet = "贺知章",
     .text = "离别家乡岁月多,/近来人事半消磨./"
             "惟有门前镜湖水,/春风不改旧时波./",
     .titleReading = "hui2 xiang1 ou3 shu1", .poetReading = "he4 zhi1 zhang1",
     .reading = "li2 bie2 jia1 xiang1 sui4 yue4 duo1, jin4 lai2 ren2 shi4 ban4 xiao1 mo2. "
                "wei2 you3 men2 qian2 jing4 hu2 shui3, chun1 feng1 bu4 gai3 jiu4 shi2 bo1."},

    // Page 2: Li Bai.
    {.page = 2, .button = "btn_a1", .sound = "025", .title = "望庐山瀑布", .poet = "李白",
     .text = "日照香炉生紫烟,/遥看瀑布挂前川./"
             "飞流直下三千尺,/疑是银河落九天./",
     .titleReading = "wang4 lu2 shan1 pu4 bu4", .poetReading = "li3 bai2",
     .reading = "ri4 zhao4 xiang1 lu2 sheng1 zi3 yan1, yao2 kan4 pu4 bu4 gua4 qian2 chuan1. "
                "fei1 liu2 zhi2 xia4 san1 qian1 chi3, yi2 shi4 yin2 he2 luo4 jiu3 tian1."},
    {.page = 2, .button = "btn_a2", .sound = "026", .title = "赠汪伦", .poet = "李白",
     .text = "李白乘舟将欲行,/忽闻岸上踏歌声./"
             "桃花潭水深千尺,/不及汪伦送我情./",
     .titleReading = "zeng4 wang1 lun2", .poetReading = "li3 bai2",
     .reading = "li3 bai2 cheng2 zhou1 jiang1 yu4 xing2, hu1 wen2 an4 shang4 ta4 ge1 sheng1. "
                "tao2 hua1 tan2 shui3 shen1 qian1 chi3, bu4 ji2 wang1 lun2 song4 wo3 qing2."},
    {.page = 2, .button = "btn_b1", .sound = "028", .title = "早发白帝城", .poet = "李白",
     .text = "朝辞白帝彩云间,/千里江陵一日还./"
             "两岸猿声啼不住,/轻舟已过万重山./",
     .titleReading = "zao3 fa1 bai2 di4 cheng2", .poetReading = "li3 bai2",
     .reading = "zhao1 ci2 bai2 di4 cai3 yun2 jian1, qian1 li3 jiang1 ling2 yi2 ri4 huan2. "
                "liang3 an4 yuan2 sheng1 ti2 bu2 zhu4, qing1 zhou1 yi3 guo4 wan4 chong2 shan1."},
    {.page = 2, .button = "btn_b2", .sound = "029", .title = "望天门山", .poet = "李白",
     .text = "天门中断楚江开,/碧水东流至此回./"
             "两岸青山相对出,/孤帆一片日边来./",
     .titleReading = "wang4 tian1 men2 shan1", .poetReading = "li3 bai2",
     .reading = "tian1 men2 zhong1 duan4 chu3 jiang1 kai1, bi4 shui3 dong1 liu2 zhi4 ci3 hui2. "
                "liang3 an4 qing1 shan1 xiang1 dui4 chu1, gu1 fan1 yi2 pian4 ri4 bian1 lai2."},
    {.page = 2, .button = "btn_c1", .sound = "011", .title = "黄鹤楼送孟浩然之广陵", .poet = "李白",
     .text = "故人西辞黄鹤楼,/烟花三月下扬州./"
             "孤帆远影碧空尽,/唯见长江天际流./",
     .titleReading = "huang2 he4 lou2 song4 meng4 hao4 ran2 zhi1 guang3 ling2", .poetReading = "li3 bai2",
     .reading = "gu4 ren2 xi1 ci2 huang2 he4 lou2, yan1 hua1 san1 yue4 xia4 yang2 zhou1. "
                "gu1 fan1 yuan3 ying3 bi4 kong1 jin4, wei2 jian4 chang2 jiang1 tian1 ji4 liu2."},
    {.page = 2, .button = "btn_c2", .sound = "032", .title = "夜宿山寺", .poet = "李白",
     .text = "危楼高百尺,/手可摘星辰./"
             "不敢高声语,/恐惊天上人./",
     .titleReading = "ye4 su4 shan1 si4", .poetReading = "li3 bai2",
     .reading = "wei1 lou2 gao1 bai3 chi3, shou3 ke3 zhai1 xing1 chen2. "
                "bu4 gan3 gao1 sheng1 yu3, kong3 jing1 tian1 shang4 ren2."},
    {.page = 2, .button = "btn_d1", .sound = "034", .title = "独坐敬亭山", .poet = "李白",
     .text = "众鸟高飞尽,/孤云独去闲./"
             "相看两不厌,/只有敬亭山./",
     .titleReading = "du2 zuo4 jing4 ting2 shan1", .poetReading = "li3 bai2",
     .reading = "zhong4 niao3 gao1 fei1 jin4, gu1 yun2 du2 qu4 xian2. "
                "xiang1 kan4 liang3 bu2 yan4, zhi3 you3 jing4 ting2 shan1."},
    {.page = 2, .button = "btn_d2", .sound = "035", .title = "峨眉山月歌", .poet = "李白",
     .text = "峨眉山月半轮秋,/影入平羌江水流./"
             "夜发清溪向三峡,/思君不见下渝州./",
     .titleReading = "e2 mei2 shan1 yue4 ge1", .poetReading = "li3 bai2",
     .reading = "e2 mei2 shan1 yue4 ban4 lun2 qiu1, ying3 ru4 ping2 qiang1 jiang1 shui3 liu2. "
                "ye4 fa1 qing1 xi1 xiang4 san1 xia2, si1 jun1 bu2 jian4 xia4 yu2 zhou1."},

    // Page 3: Wang Wei.
    {.page = 3, .button = "btn_a1", .sound = "037", .title = "相思", .poet = "王维",
     .text = "红豆生南国,/春来发几枝./"
             "愿君多采撷,/此物最相思./",
     .titleReading = "xiang1 si1", .poetReading = "wang2 wei2",
     .reading = "hong2 dou4 sheng1 nan2 guo2, chun1 lai2 fa1 ji3 zhi1. "
                "yuan4 jun1 duo1 cai3 xie2, ci3 wu4 zui4 xiang1 si1."},
    {.page = 3, .button = "btn_a2", .sound = "038", .title = "鹿柴", .poet = "王维",
     .text = "空山不见人,/但闻人语响./"
             "返景入深林,/复照青苔上./",
     .titleReading = "lu4 zhai4", .poetReading = "wang2 wei2",
     .reading = "kong1 shan1 bu2 jian4 ren2, dan4 wen2 ren2 yu3 xiang3. "
                "fan3 ying3 ru4 shen1 lin2, fu4 zhao4 qing1 tai2 shang4."},
    {.page = 3, .button = "btn_b1", .sound = "040", .title = "杂诗(王维)", .poet = "王维",
     .text = "君自故乡来,/应知故乡事./"
             "来日绮窗前,/寒梅著花未?/",
     .titleReading = "za2 shi1", .poetReading = "wang2 wei2",
     .reading = "jun1 zi4 gu4 xiang1 lai2, ying1 zhi1 gu4 xiang1 shi4. "
                "lai2 ri4 qi3 chuang1 qian2, han2 mei2 zhuo2 hua1 wei4?"},
    {.page = 3, .button = "btn_b2", .sound = "041", .title = "九月九日忆山东兄弟", .poet = "王维",
     .text = "独在异乡为异客,/每逢佳节倍思亲./"
             "遥知兄弟登高处,/遍插茱萸少一人./",
     .titleReading = "jiu3 yue4 jiu3 ri4 yi4 shan1 dong1 xiong1 di4", .poetReading = "wang2 wei2",
     .reading = "du2 zai4 yi4 xiang1 wei2 yi4 ke4, mei3 feng2 jia1 jie2 bei4 si1 qin1. "
                "yao2 zhi1 xiong1 di4 deng1 gao1 chu4, bian4 cha1 zhu1 yu2 shao3 yi4 ren2."},
    {.page = 3, .button = "btn_c1", .sound = "043", .title = "送元二使安西", .poet = "王维",
     .text = "渭城朝雨浥轻尘,/客舍青青柳色新./"
             "劝君更尽一杯酒,/西出阳关无故人./",
     .titleReading = "song4 yuan2 er4 shi3 an1 xi1", .poetReading = "wang2 wei2",
     .reading = "wei4 cheng2 zhao1 yu3 yi4 qing1 chen2, ke4 she4 qing1 qing1 liu3 se4 xin1. "
                "quan4 jun1 geng4 jin4 yi4 bei1 jiu3, xi1 chu1 yang2 guan1 wu2 gu4 ren2."},
    {.page = 3, .button = "btn_c2", .sound = "044", .title = "鸟鸣涧", .poet = "王维",
     .text = "人闲桂花落,/夜静春山空./"
             "月出惊山鸟,/时鸣春涧中./",
     .titleReading = "niao3 ming2 jian4", .poetReading = "wang2 wei2",
     .reading = "ren2 xian2 gui4 hua1 luo4, ye4 jing4 chun1 shan1 kong1. "
                "yue4 chu1 jing1 shan1 niao3, shi2 ming2 chun1 jian4 zhong1."},
    {.page = 3, .button = "btn_d1", .sound = "046", .title = "竹里馆", .poet = "王维",
     .text = "独坐幽篁里,/弹琴复长啸./"
             "深林人不知,/明月来相照./",
     .titleReading = "zhu2 li3 guan3", .poetReading = "wang2 wei2",
     .reading = "du2 zuo4 you1 huang2 li3, tan2 qin2 fu4 chang2 xiao4. "
                "shen1 lin2 ren2 bu4 zhi1, ming2 yue4 lai2 xiang1 zhao4."},
    {.page = 3, .button = "btn_d2", .sound = "047", .title = "山居秋暝", .poet = "王维",
     .text = "空山新雨后,/天气晚来秋./"
             "明月松间照,/清泉石上流./"
             "竹喧归浣女,/莲动下渔舟./"
             "随意春芳歇,/王孙自可留./",
     .titleReading = "shan1 ju1 qiu1 ming2", .poetReading = "wang2 wei2",
     .reading = "kong1 shan1 xin1 yu3 hou4, tian1 qi4 wan3 lai2 qiu1. "
                "ming2 yue4 song1 jian1 zhao4, qing1 quan2 shi2 shang4 liu2. "
                "zhu2 xuan1 gui1 huan4 nv3, lian2 dong4 xia4 yu2 zhou1. "
                "sui2 yi4 chun1 fang1 xie1, wang2 sun1 zi4 ke3 liu2."},

    // Page 4: Du Fu.
    {.page = 4, .button = "btn_a1", .sound = "049", .title = "春夜喜雨", .poet = "杜甫",
     .text = "好雨知时节,/当春乃发生./"
             "随风潜入夜,/润物细无声./"
             "野径云俱黑,/江船火独明./"
             "晓看红湿处,/花重锦官城./",
     .titleReading = "chun1 ye4 xi3 yu3", .poetReading = "du4 fu3",
     .reading = "hao3 yu3 zhi1 shi2 jie2, dang1 chun1 nai3 fa1 sheng1. "
                "sui2 feng1 qian2 ru4 ye4, run4 wu4 xi4 wu2 sheng1. "
                "ye3 jing4 yun2 ju4 hei1, jiang1 chuan2 huo3 du2 ming2. "
                "xiao3 kan4 hong2 shi1 chu4, hua1 zhong4 jin3 guan1 cheng2."},
    {.page = 4, .button = "btn_a2", .sound = "050", .title = "江畔独步寻花", .poet = "杜甫",
     .text = "黄四娘家花满蹊,/千朵万朵压枝低./"
             "留连戏蝶时时舞,/自在娇莺恰恰啼./",
     .titleReading = "jiang1 pan4 du2 bu4 xun2 hua1", .poetReading = "du4 fu3",
     .reading = "huang2 si4 niang2 jia1 hua1 man3 xi1, qian1 duo3 wan4 duo3 ya1 zhi1 di1. "
                "liu2 lian2 xi4 die2 shi2 shi2 wu3, zi4 zai4 jiao1 ying1 qia4 qia4 ti2."},
    {.page = 4, .button = "btn_b1", .sound = "052", .title = "赠花卿", .poet = "杜甫",
     .text = "锦城丝管日纷纷,/半入江风半入云./"
             "此曲只应天上有,/人间能得几回闻./",
     .titleReading = "zeng4 hua1 qing1", .poetReading = "du4 fu3",
     .reading = "jin3 cheng2 si1 guan3 ri4 fen1 fen1, ban4 ru4 jiang1 feng1 ban4 ru4 yun2. "
                "ci3 qu3 zhi3 ying1 tian1 shang4 you3, ren2 jian1 neng2 de2 ji3 hui2 wen2."},
    {.page = 4, .button = "btn_b2", .sound = "053", .title = "江南逢李龟年", .poet = "杜甫",
     .text = "岐王宅里寻常见,/崔九堂前几度闻./"
             "正是江南好风景,/落花时节又逢君./",
     .titleReading = "jiang1 nan2 feng2 li3 gui1 nian2", .poetReading = "du4 fu3",
     .reading = "qi2 wang2 zhai2 li3 xun2 chang2 jian4, cui1 jiu3 tang2 qian2 ji3 du4 wen2. "
                "zheng4 shi4 jiang1 nan2 hao3 feng1 jing3, luo4 hua1 shi2 jie2 you4 feng2 jun1."},
    {.page = 4, .button = "btn_c1", .sound = "055", .title = "八阵图", .poet = "杜甫",
     .text = "功盖三分国,/名成八阵图./"
             "江流石不转,/遗恨失吞吴./",
     .titleReading = "ba1 zhen4 tu2", .poetReading = "du4 fu3",
     .reading = "gong1 gai4 san1 fen1 guo2, ming2 cheng2 ba1 zhen4 tu2. "
                "jiang1 liu2 shi2 bu4 zhuan3, yi2 hen4 shi1 tun1 wu2."},
    {.page = 4, .button = "btn_c2", .sound = "056", .title = "春望", .poet = "杜甫",
     .text = "国破山河在,/城春草木深./"
             "感时花溅泪,/恨别鸟惊心./"
             "烽火连三月,/家书抵万金./"
             "白头搔更短,/浑欲不胜簪./",
     .titleReading = "chun1 wang4", .poetReading = "du4 fu3",
     .reading = "guo2 po4 shan1 he2 zai4, cheng2 chun1 cao3 mu4 shen1. "
                "gan3 shi2 hua1 jian4 lei4, hen4 bie2 niao3 jing1 xin1. "
                "feng1 huo3 lian2 san1 yue4, jia1 shu1 di3 wan4 jin1. "
                "bai2 tou2 sao1 geng4 duan3, hun2 yu4 bu2 sheng4 zan1."},
    {.page = 4, .button = "btn_d1", .sound = "058", .title = "望岳", .poet = "杜甫",
     .text = "岱宗夫如何?/齐鲁青未了./"
             "造化钟神秀,/阴阳割昏晓./"
             "荡胸生曾云,/决眦入归鸟./"
             "会当凌绝顶,/一览众山小./",
     .titleReading = "wang4 yue4", .poetReading = "du4 fu3",
     .reading = "dai4 zong1 fu2 ru2 he2? qi2 lu3 qing1 wei4 liao3. "
                "zao4 hua4 zhong1 shen2 xiu4, yin1 yang2 ge1 hun1 xiao3. "
                "dang4 xiong1 sheng1 ceng2 yun2, jue2 zi4 ru4 gui1 niao3. "
                "hui4 dang1 ling2 jue2 ding3, yi4 lan3 zhong4 shan1 xiao3."},
    {.page = 4, .button = "btn_d2", .sound = "059", .title = "登高", .poet = "杜甫",
     .text = "风急天高猿啸哀,/渚清沙白鸟飞回./"
             "无边落木萧萧下,/不尽长江滚滚来./"
             "万里悲秋常作客,/百年多病独登台./"
             "艰难苦恨繁霜鬓,/潦倒新停浊酒杯./",
     .titleReading = "deng1 gao1", .poetReading = "du4 fu3",
     .reading = "feng1 ji2 tian1 gao1 yuan2 xiao4 ai1, zhu3 qing1 sha1 bai2 niao3 fei1 hui2. "
                "wu2 bian1 luo4 mu4 xiao1 xiao1 xia4, bu2 jin4 chang2 jiang1 gun3 gun3 lai2. "
                "wan4 li3 bei1 qiu1 chang2 zuo4 ke4, bai3 nian2 duo1 bing4 du2 deng1 tai2. "
                "jian1 nan2 ku3 hen4 fan2 shuang1 bin4, liao2 dao3 xin1 ting2 zhuo2 jiu3 bei1."},

    // Page 5: Bai Juyi, Meng Haoran, Meng Jiao.
    {.page = 5, .button = "btn_a1", .sound = "061", .title = "赋得古原草送别", .poet = "白居易",
     .text = "离离原上草,/一岁一枯荣./"
             "野火烧不尽,/春风吹又生./"
             "远芳侵古道,/晴翠接荒城./"
             "又送王孙去,/萋萋满别情./",
     .titleReading = "fu4 de2 gu3 yuan2 cao3 song4 bie2", .poetReading = "bai2 ju1 yi4",
     .reading = "li2 li2 yuan2 shang4 cao3, yi2 sui4 yi4 ku1 rong2. "
                "ye3 huo3 shao1 bu2 jin4, chun1 feng1 chui1 you4 sheng1. "
                "yuan3 fang1 qin1 gu3 dao4, qing2 cui4 jie1 huang1 cheng2. "
                "you4 song4 wang2 sun1 qu4, qi1 qi1 man3 bie2 qing2."},
    {.page = 5, .button = "btn_a2", .sound = "062", .title = "池上", .poet = "白居易",
     .text = "小娃撑小艇,/偷采白莲回./"
             "不解藏踪迹,/浮萍一道开./",
     .titleReading = "chi2 shang4", .poetReading = "bai2 ju1 yi4",
     .reading = "xiao3 wa2 cheng1 xiao3 ting3, tou1 cai3 bai2 lian2 hui2. "
                "bu4 jie3 cang2 zong1 ji4, fu2 ping2 yi2 dao4 kai1."},
    {.page = 5, .button = "btn_b1", .sound = "064", .title = "暮江吟", .poet = "白居易",
     .text = "一道残阳铺水中,/半江瑟瑟半江红./"
             "可怜九月初三夜,/露似真珠月似弓./",
     .titleReading = "mu4 jiang1 yin2", .poetReading = "bai2 ju1 yi4",
     .reading = "yi2 dao4 can2 yang2 pu1 shui3 zhong1, ban4 jiang1 se4 se4 ban4 jiang1 hong2. "
                "ke3 lian2 jiu3 yue4 chu1 san1 ye4, lu4 si4 zhen1 zhu1 yue4 si4 gong1."},
    {.page = 5, .button = "btn_b2", .sound = "065", .title = "宿建德江", .poet = "孟浩然",
     .text = "移舟泊烟渚,/日暮客愁新./"
             "野旷天低树,/江清月近人./",
     .titleReading = "su4 jian4 de2 jiang1", .poetReading = "meng4 hao4 ran2",
     .reading = "yi2 zhou1 bo2 yan1 zhu3, ri4 mu4 ke4 chou2 xin1. "
                "ye3 kuang4 tian1 di1 shu4, jiang1 qing1 yue4 jin4 ren2."},
    {.page = 5, .button = "btn_c1", .sound = "067", .title = "大林寺桃花", .poet = "白居易",
     .text = "人间四月芳菲尽,/山寺桃花始盛开./"
             "长恨春归无觅处,/不知转入此中来./",
     .titleReading = "da4 lin2 si4 tao2 hua1", .poetReading = "bai2 ju1 yi4",
     .reading = "ren2 jian1 si4 yue4 fang1 fei1 jin4, shan1 si4 tao2 hua1 shi3 sheng4 kai1. "
                "chang2 hen4 chun1 gui1 wu2 mi4 chu4, bu4 zhi1 zhuan3 ru4 ci3 zhong1 lai2."},
    {.page = 5, .button = "btn_c2", .sound = "068", .title = "问刘十九", .poet = "白居易",
     .text = "绿蚁新醅酒,/红泥小火炉./"
             "晚来天欲雪,/能饮一杯无?/",
     .titleReading = "wen4 liu2 shi2 jiu3", .poetReading = "bai2 ju1 yi4",
     .reading = "lv4 yi3 xin1 pei1 jiu3, hong2 ni2 xiao3 huo3 lu2. "
                "wan3 lai2 tian1 yu4 xue3, neng2 yin3 yi4 bei1 wu2?"},
    {.page = 5, .button = "btn_d1", .sound = "070", .title = "钱塘湖春行", .poet = "白居易",
     .text = "孤山寺北贾亭西,/水面初平云脚低./"
             "几处早莺争暖树,/谁家新燕啄春泥./"
             "乱花渐欲迷人眼,/浅草才能没马蹄./"
             "最爱湖东行不足,/绿杨阴里白沙堤./",
     .titleReading = "qian2 tang2 hu2 chun1 xing2", .poetReading = "bai2 ju1 yi4",
     .reading = "gu1 shan1 si4 bei3 jia3 ting2 xi1, shui3 mian4 chu1 ping2 yun2 jiao3 di1. "
                "ji3 chu4 zao3 ying1 zheng1 nuan3 shu4, shui2 jia1 xin1 yan4 zhuo2 chun1 ni2. "
                "luan4 hua1 jian4 yu4 mi2 ren2 yan3, qian3 cao3 cai2 neng2 mo4 ma3 ti2. "
                "zui4 ai4 hu2 dong1 xing2 bu4 zu2, lv4 yang2 yin1 li3 bai2 sha1 di1."},
    {.page = 5, .button = "btn_d2", .sound = "071", .title = "游子吟", .poet = "孟郊",
     .text = "慈母手中线,/游子身上衣./"
             "临行密密缝,/意恐迟迟归./"
             "谁言寸草心,/报得三春晖./",
     .titleReading = "you2 zi3 yin2", .poetReading = "meng4 jiao1",
     .reading = "ci2 mu3 shou3 zhong1 xian4, you2 zi3 shen1 shang4 yi1. "
                "lin2 xing2 mi4 mi4 feng2, yi4 kong3 chi2 chi2 gui1. "
                "shui2 yan2 cun4 cao3 xin1, bao4 de2 san1 chun1 hui1."},

    // Page 6: Du Mu and Liu Yuxi.
    {.page = 6, .button = "btn_a1", .sound = "017", .title = "山行", .poet = "杜牧",
     .text = "远上寒山石径斜,/白云生处有人家./"
             "停车坐爱枫林晚,/霜叶红于二月花./",
     .titleReading = "shan1 xing2", .poetReading = "du4 mu4",
     .reading = "yuan3 shang4 han2 shan1 shi2 jing4 xie2, bai2 yun2 sheng1 chu4 you3 ren2 jia1. "
                "ting2 che1 zuo4 ai4 feng1 lin2 wan3, shuang1 ye4 hong2 yu2 er4 yue4 hua1."},
    {.page = 6, .button = "btn_a2", .sound = "039", .title = "清明", .poet = "杜牧",
     .text = "清明时节雨纷纷,/路上行人欲断魂./"
             "借问酒家何处有?/牧童遥指杏花村./",
     .titleReading = "qing1 ming2", .poetReading = "du4 mu4",
     .reading = "qing1 ming2 shi2 jie2 yu3 fen1 fen1, lu4 shang4 xing2 ren2 yu4 duan4 hun2. "
                "jie4 wen4 jiu3 jia1 he2 chu4 you3? mu4 tong2 yao2 zhi3 xing4 hua1 cun1."},
    {.page = 6, .button = "btn_b1", .sound = "006", .title = "江南春", .poet = "杜牧",
     .text = "千里莺啼绿映红,/水村山郭酒旗风./"
             "南朝四百八十寺,/多少楼台烟雨中./",
     .titleReading = "jiang1 nan2 chun1", .poetReading = "du4 mu4",
     .reading = "qian1 li3 ying1 ti2 lv4 ying4 hong2, shui3 cun1 shan1 guo1 jiu3 qi2 feng1. "
                "nan2 chao2 si4 bai3 ba1 shi2 si4, duo1 shao3 lou2 tai2 yan1 yu3 zhong1."},
    {.page = 6, .button = "btn_b2", .sound = "042", .title = "秋夕", .poet = "杜牧",
     .text = "银烛秋光冷画屏,/轻罗小扇扑流萤./"
             "天阶夜色凉如水,/卧看牵牛织女星./",
     .titleReading = "qiu1 xi1", .poetReading = "du4 mu4",
     .reading = "yin2 zhu2 qiu1 guang1 leng3 hua4 ping2, qing1 luo2 xiao3 shan4 pu1 liu2 ying2. "
                "tian1 jie1 ye4 se4 liang2 ru2 shui3, wo4 kan4 qian1 niu2 zhi1 nv3 xing1."},
    {.page = 6, .button = "btn_c1", .sound = "009", .title = "乌衣巷", .poet = "刘禹锡",
     .text = "朱雀桥边野草花,/乌衣巷口夕阳斜./"
             "旧时王谢堂前燕,/飞入寻常百姓家./",
     .titleReading = "wu1 yi1 xiang4", .poetReading = "liu2 yu3 xi1",
     .reading = "zhu1 que4 qiao2 bian1 ye3 cao3 hua1, wu1 yi1 xiang4 kou3 xi1 yang2 xie2. "
                "jiu4 shi2 wang2 xie4 tang2 qian2 yan4, fei1 ru4 xun2 chang2 bai3 xing4 jia1."},
    {.page = 6, .button = "btn_c2", .sound = "045", .title = "望洞庭", .poet = "刘禹锡",
     .text = "湖光秋月两相和,/潭面无风镜未磨./"
             "遥望洞庭山水翠,/白银盘里一青螺./",
     .titleReading = "wang4 dong4 ting2", .poetReading = "liu2 yu3 xi1",
     .reading = "hu2 guang1 qiu1 yue4 liang3 xiang1 he2, tan2 mian4 wu2 feng1 jing4 wei4 mo2. "
                "yao2 wang4 dong4 ting2 shan1 shui3 cui4, bai2 yin2 pan2 li3 yi4 qing1 luo2."},
    {.page = 6, .button = "btn_d1", .sound = "012", .title = "浪淘沙", .poet = "刘禹锡",
     .text = "九曲黄河万里沙,/浪淘风簸自天涯./"
             "如今直上银河去,/同到牵牛织女家./",
     .titleReading = "lang4 tao2 sha1", .poetReading = "liu2 yu3 xi1",
     .reading = "jiu3 qu1 huang2 he2 wan4 li3 sha1, lang4 tao2 feng1 bo3 zi4 tian1 ya2. "
                "ru2 jin1 zhi2 shang4 yin2 he2 qu4, tong2 dao4 qian1 niu2 zhi1 nv3 jia1."},
    {.page = 6, .button = "btn_d2", .sound = "020", .title = "竹枝词", .poet = "刘禹锡",
     .text = "杨柳青青江水平,/闻郎江上唱歌声./"
             "东边日出西边雨,/道是无晴却有晴./",
     .titleReading = "zhu2 zhi1 ci2", .poetReading = "liu2 yu3 xi1",
     .reading = "yang2 liu3 qing1 qing1 jiang1 shui3 ping2, wen2 lang2 jiang1 shang4 chang4 ge1 sheng1. "
                "dong1 bian1 ri4 chu1 xi1 bian1 yu3, dao4 shi4 wu2 qing2 que4 you3 qing2."},

    // Page 7: the frontier.
    {.page = 7, .button = "btn_a1", .sound = "015", .title = "凉州词(王之涣)", .poet = "王之涣",
     .text = "黄河远上白云间,/一片孤城万仞山./"
             "羌笛何须怨杨柳,/春风不度玉门关./",
     .titleReading = "liang2 zhou1 ci2", .poetReading = "wang2 zhi1 huan4",
     .reading = "huang2 he2 yuan3 shang4 bai2 yun2 jian1, yi2 pian4 gu1 cheng2 wan4 ren4 shan1. "
                "qiang1 di2 he2 xu1 yuan4 yang2 liu3, chun1 feng1 bu2 du4 yu4 men2 guan1."},
    {.page = 7, .button = "btn_a2", .sound = "051", .title = "凉州词(王翰)", .poet = "王翰",
     .text = "葡萄美酒夜光杯,/欲饮琵琶马上催./"
             "醉卧沙场君莫笑,/古来征战几人回?/",
     .titleReading = "liang2 zhou1 ci2", .poetReading = "wang2 han4",
     .reading = "pu2 tao2 mei3 jiu3 ye4 guang1 bei1, yu4 yin3 pi2 pa2 ma3 shang4 cui1. "
                "zui4 wo4 sha1 chang3 jun1 mo4 xiao4, gu3 lai2 zheng1 zhan4 ji3 ren2 hui2?"},
    {.page = 7, .button = "btn_b1", .sound = "018", .title = "塞下曲(月黑雁飞高)", .poet = "卢纶",
     .text = "月黑雁飞高,/单于夜遁逃./"
             "欲将轻骑逐,/大雪满弓刀./",
     .titleReading = "sai4 xia4 qu3", .poetReading = "lu2 lun2",
     .reading = "yue4 hei1 yan4 fei1 gao1, chan2 yu2 ye4 dun4 tao2. "
                "yu4 jiang1 qing1 qi2 zhu2, da4 xue3 man3 gong1 dao1."},
    {.page = 7, .button = "btn_b2", .sound = "054", .title = "塞下曲(林暗草惊风)", .poet = "卢纶",
     .text = "林暗草惊风,/将军夜引弓./"
             "平明寻白羽,/没在石棱中./",
     .titleReading = "sai4 xia4 qu3", .poetReading = "lu2 lun2",
     .reading = "lin2 an4 cao3 jing1 feng1, jiang1 jun1 ye4 yin3 gong1. "
                "ping2 ming2 xun2 bai2 yu3, mo4 zai4 shi2 leng2 zhong1."},
    {.page = 7, .button = "btn_c1", .sound = "021", .title = "芙蓉楼送辛渐", .poet = "王昌龄",
     .text = "寒雨连江夜入吴,/平明送客楚山孤./"
             "洛阳亲友如相问,/一片冰心在玉壶./",
     .titleReading = "fu2 rong2 lou2 song4 xin1 jian4", .poetReading = "wang2 chang1 ling2",
     .reading = "han2 yu3 lian2 jiang1 ye4 ru4 wu2, ping2 ming2 song4 ke4 chu3 shan1 gu1. "
                "luo4 yang2 qin1 you3 ru2 xiang1 wen4, yi2 pian4 bing1 xin1 zai4 yu4 hu2."},
    {.page = 7, .button = "btn_c2", .sound = "057", .title = "从军行", .poet = "王昌龄",
     .text = "青海长云暗雪山,/孤城遥望玉门关./"
             "黄沙百战穿金甲,/不破楼兰终不还./",
     .titleReading = "cong2 jun1 xing2", .poetReading = "wang2 chang1 ling2",
     .reading = "qing1 hai3 chang2 yun2 an4 xue3 shan1, gu1 cheng2 yao2 wang4 yu4 men2 guan1. "
                "huang2 sha1 bai3 zhan4 chuan1 jin1 jia3, bu2 po4 lou2 lan2 zhong1 bu4 huan2."},
    {.page = 7, .button = "btn_d1", .sound = "016", .title = "别董大", .poet = "高适",
     .text = "千里黄云白日曛,/北风吹雁雪纷纷./"
             "莫愁前路无知己,/天下谁人不识君?/",
     .titleReading = "bie2 dong3 da4", .poetReading = "gao1 shi4",
     .reading = "qian1 li3 huang2 yun2 bai2 ri4 xun1, bei3 feng1 chui1 yan4 xue3 fen1 fen1. "
                "mo4 chou2 qian2 lu4 wu2 zhi1 ji3, tian1 xia4 shui2 ren2 bu4 shi2 jun1?"},
    {.page = 7, .button = "btn_d2", .sound = "060", .title = "逢雪宿芙蓉山主人", .poet = "刘长卿",
     .text = "日暮苍山远,/天寒白屋贫./"
             "柴门闻犬吠,/风雪夜归人./",
     .titleReading = "feng2 xue3 su4 fu2 rong2 shan1 zhu3 ren2", .poetReading = "liu2 chang2 qing1",
     .reading = "ri4 mu4 cang1 shan1 yuan3, tian1 han2 bai2 wu1 pin2. "
                "chai2 men2 wen2 quan3 fei4, feng1 xue3 ye4 gui1 ren2."},

    // Page 8.
    {.page = 8, .button = "btn_a1", .sound = "007", .title = "蝉", .poet = "虞世南",
     .text = "垂緌饮清露,/流响出疏桐./"
             "居高声自远,/非是藉秋风./",
     .titleReading = "chan2", .poetReading = "yu2 shi4 nan2",
     .reading = "chui2 rui2 yin3 qing1 lu4, liu2 xiang3 chu1 shu1 tong2. "
                "ju1 gao1 sheng1 zi4 yuan3, fei1 shi4 jie4 qiu1 feng1."},
    {.page = 8, .button = "btn_a2", .sound = "063", .title = "登乐游原", .poet = "李商隐",
     .text = "向晚意不适,/驱车登古原./"
             "夕阳无限好,/只是近黄昏./",
     .titleReading = "deng1 le4 you2 yuan2", .poetReading = "li3 shang1 yin3",
     .reading = "xiang4 wan3 yi4 bu2 shi4, qu1 che1 deng1 gu3 yuan2. "
                "xi1 yang2 wu2 xian4 hao3, zhi3 shi4 jin4 huang2 hun1."},
    {.page = 8, .button = "btn_b1", .sound = "030", .title = "滁州西涧", .poet = "韦应物",
     .text = "独怜幽草涧边生,/上有黄鹂深树鸣./"
             "春潮带雨晚来急,/野渡无人舟自横./",
     .titleReading = "chu2 zhou1 xi1 jian4", .poetReading = "wei2 ying4 wu4",
     .reading = "du2 lian2 you1 cao3 jian4 bian1 sheng1, shang4 you3 huang2 li2 shen1 shu4 ming2. "
                "chun1 chao2 dai4 yu3 wan3 lai2 ji2, ye3 du4 wu2 ren2 zhou1 zi4 heng2."},
    {.page = 8, .button = "btn_b2", .sound = "013", .title = "过故人庄", .poet = "孟浩然",
     .text = "故人具鸡黍,/邀我至田家./"
             "绿树村边合,/青山郭外斜./"
             "开轩面场圃,/把酒话桑麻./"
             "待到重阳日,/还来就菊花./",
     .titleReading = "guo4 gu4 ren2 zhuang1", .poetReading = "meng4 hao4 ran2",
     .reading = "gu4 ren2 ju4 ji1 shu3, yao1 wo3 zhi4 tian2 jia1. "
                "lv4 shu4 cun1 bian1 he2, qing1 shan1 guo1 wai4 xie2. "
                "kai1 xuan1 mian4 chang2 pu3, ba3 jiu3 hua4 sang1 ma2. "
                "dai4 dao4 chong2 yang2 ri4, huan2 lai2 jiu4 ju2 hua1."},
    {.page = 8, .button = "btn_c1", .sound = "033", .title = "夜雨寄北", .poet = "李商隐",
     .text = "君问归期未有期,/巴山夜雨涨秋池./"
             "何当共剪西窗烛,/却话巴山夜雨时./",
     .titleReading = "ye4 yu3 ji4 bei3", .poetReading = "li3 shang1 yin3",
     .reading = "jun1 wen4 gui1 qi1 wei4 you3 qi1, ba1 shan1 ye4 yu3 zhang3 qiu1 chi2. "
                "he2 dang1 gong4 jian3 xi1 chuang1 zhu2, que4 hua4 ba1 shan1 ye4 yu3 shi2."},
    // The second of Du Fu's quatrains under the same title as page 0's.
    {.page = 8, .button = "btn_c2", .sound = "069", .title = "绝句(杜甫)", .poet = "杜甫",
     .text = "迟日江山丽,/春风花草香./"
             "泥融飞燕子,/沙暖睡鸳鸯./",
     .titleReading = "jue2 ju4", .poetReading = "du4 fu3",
     .reading = "chi2 ri4 jiang1 shan1 li4, chun1 feng1 hua1 cao3 xiang1. "
                "ni2 rong2 fei1 yan4 zi5, sha1 nuan3 shui4 yuan1 yang1."},
    {.page = 8, .button = "btn_d1", .sound = "036", .title = "月下独酌", .poet = "李白",
     .text = "花间一壶酒,/独酌无相亲./"
             "举杯邀明月,/对影成三人./"
             "月既不解饮,/影徒随我身./"
             "暂伴月将影,/行乐须及春./"
             "我歌月徘徊,/我舞影零乱./"
             "醒时同交欢,/醉后各分散./"
             "永结无情游,/相期邈云汉./",
     .titleReading = "yue4 xia4 du2 zhuo2", .poetReading = "li3 bai2",
     .reading = "hua1 jian1 yi4 hu2 jiu3, du2 zhuo2 wu2 xiang1 qin1. "
                "ju3 bei1 yao1 ming2 yue4, dui4 ying3 cheng2 san1 ren2. "
                "yue4 ji4 bu4 jie3 yin3, ying3 tu2 sui2 wo3 shen1. "
                "zan4 ban4 yue4 jiang1 ying3, xing2 le4 xu1 ji2 chun1. "
                "wo3 ge1 yue4 pai2 huai2, wo3 wu3 ying3 ling2 luan4. "
                "xing3 shi2 tong2 jiao1 huan1, zui4 hou4 ge4 fen1 san4. "
                "yong3 jie2 wu2 qing2 you2, xiang1 qi1 miao3 yun2 han4."},
    {.page = 8, .button = "btn_d2", .sound = "072", .title = "早春呈水部张十八员外", .poet = "韩愈",
     .text = "天街小雨润如酥,/草色遥看近却无./"
             "最是一年春好处,/绝胜烟柳满皇都./",
     .titleReading = "zao3 chun1 cheng2 shui3 bu4 zhang1 shi2 ba1 yuan2 wai4", .poetReading = "han2 yu4",
     .reading = "tian1 jie1 xiao3 yu3 run4 ru2 su1, cao3 se4 yao2 kan4 jin4 que4 wu2. "
                "zui4 shi4 yi4 nian2 chun1 hao3 chu4, jue2 sheng4 yan1 liu3 man3 huang2 du1."},
}};
// clang-format on

const Poem* PoemAt(int page, int slot)
{
    if (page < 0 || page >= kPoemPages || slot < 0 || slot >= kPoemSlots)
        return nullptr;
    const std::string button = kPoemButtons[static_cast<size_t>(slot)];
    for (const Poem& poem : kPoems)
        if (poem.page == page && button == poem.button)
            return &poem;
    return nullptr;
}

std::vector<std::string> PoemLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string rest = text;
    for (size_t end = rest.find('/'); end != std::string::npos; end = rest.find('/')) {
        lines.push_back(rest.substr(0, end));
        rest.erase(0, end + 1);
    }
    return lines;
}

}  // namespace soundboards
