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
             "欲穷千里目,/更上一层楼./"},
    {.page = 0, .button = "btn_a2", .sound = "002", .title = "静夜思", .poet = "李白",
     .text = "床前明月光,/疑是地上霜./"
             "举头望明月,/低头思故乡./"},
    {.page = 0, .button = "btn_b1", .sound = "004", .title = "咏鹅", .poet = "骆宾王",
     .text = "鹅,鹅,鹅,/曲项向天歌./"
             "白毛浮绿水,/红掌拨清波./"},
    {.page = 0, .button = "btn_b2", .sound = "005", .title = "悯农(锄禾日当午)", .poet = "李绅",
     .text = "锄禾日当午,/汗滴禾下土./"
             "谁知盘中餐,/粒粒皆辛苦./"},
    {.page = 0, .button = "btn_c1", .sound = "027", .title = "悯农(春种一粒粟)", .poet = "李绅",
     .text = "春种一粒粟,/秋收万颗子./"
             "四海无闲田,/农夫犹饿死./"},
    {.page = 0, .button = "btn_c2", .sound = "008", .title = "咏柳", .poet = "贺知章",
     .text = "碧玉妆成一树高,/万条垂下绿丝绦./"
             "不知细叶谁裁出,/二月春风似剪刀./"},
    {.page = 0, .button = "btn_d1", .sound = "010", .title = "绝句(杜甫)", .poet = "杜甫",
     .text = "两个黄鹂鸣翠柳,/一行白鹭上青天./"
             "窗含西岭千秋雪,/门泊东吴万里船./"},
    {.page = 0, .button = "btn_d2", .sound = "031", .title = "枫桥夜泊", .poet = "张继",
     .text = "月落乌啼霜满天,/江枫渔火对愁眠./"
             "姑苏城外寒山寺,/夜半钟声到客船./"},

    // Page 1.
    {.page = 1, .button = "btn_a1", .sound = "066", .title = "寻隐者不遇", .poet = "贾岛",
     .text = "松下问童子,/言师采药去./"
             "只在此山中,/云深不知处./"},
    {.page = 1, .button = "btn_a2", .sound = "014", .title = "江雪", .poet = "柳宗元",
     .text = "千山鸟飞绝,/万径人踪灭./"
             "孤舟蓑笠翁,/独钓寒江雪./"},
    {.page = 1, .button = "btn_b1", .sound = "024", .title = "风", .poet = "李峤",
     .text = "解落三秋叶,/能开二月花./"
             "过江千尺浪,/入竹万竿斜./"},
    {.page = 1, .button = "btn_b2", .sound = "003", .title = "春晓", .poet = "孟浩然",
     .text = "春眠不觉晓,/处处闻啼鸟./"
             "夜来风雨声,/花落知多少./"},
    {.page = 1, .button = "btn_c1", .sound = "019", .title = "小儿垂钓", .poet = "胡令能",
     .text = "蓬头稚子学垂纶,/侧坐莓苔草映身./"
             "路人借问遥招手,/怕得鱼惊不应人./"},
    // Stored with one line end missing: the reading box shows three lines.
    {.page = 1, .button = "btn_c2", .sound = "048", .title = "出塞(王昌龄)", .poet = "王昌龄",
     .text = "秦时明月汉时关,/万里长征人未还."
             "但使龙城飞将在,/不教胡马渡阴山./"},
    {.page = 1, .button = "btn_d1", .sound = "022", .title = "回乡偶书(少小离家)", .poet = "贺知章",
     .text = "少小离家老大回,/乡音无改鬓毛衰./"
             "儿童相见不相识,/笑问客从何处来./"},
    {.page = 1, .button = "btn_d2", .sound = "023", .title = "回乡偶书(离别家乡)", .poet = "贺知章",
     .text = "离别家乡岁月多,/近来人事半消磨./"
             "惟有门前镜湖水,/春风不改旧时波./"},

    // Page 2: Li Bai.
    {.page = 2, .button = "btn_a1", .sound = "025", .title = "望庐山瀑布", .poet = "李白",
     .text = "日照香炉生紫烟,/遥看瀑布挂前川./"
             "飞流直下三千尺,/疑是银河落九天./"},
    {.page = 2, .button = "btn_a2", .sound = "026", .title = "赠汪伦", .poet = "李白",
     .text = "李白乘舟将欲行,/忽闻岸上踏歌声./"
             "桃花潭水深千尺,/不及汪伦送我情./"},
    {.page = 2, .button = "btn_b1", .sound = "028", .title = "早发白帝城", .poet = "李白",
     .text = "朝辞白帝彩云间,/千里江陵一日还./"
             "两岸猿声啼不住,/轻舟已过万重山./"},
    {.page = 2, .button = "btn_b2", .sound = "029", .title = "望天门山", .poet = "李白",
     .text = "天门中断楚江开,/碧水东流至此回./"
             "两岸青山相对出,/孤帆一片日边来./"},
    {.page = 2, .button = "btn_c1", .sound = "011", .title = "黄鹤楼送孟浩然之广陵", .poet = "李白",
     .text = "故人西辞黄鹤楼,/烟花三月下扬州./"
             "孤帆远影碧空尽,/唯见长江天际流./"},
    {.page = 2, .button = "btn_c2", .sound = "032", .title = "夜宿山寺", .poet = "李白",
     .text = "危楼高百尺,/手可摘星辰./"
             "不敢高声语,/恐惊天上人./"},
    {.page = 2, .button = "btn_d1", .sound = "034", .title = "独坐敬亭山", .poet = "李白",
     .text = "众鸟高飞尽,/孤云独去闲./"
             "相看两不厌,/只有敬亭山./"},
    {.page = 2, .button = "btn_d2", .sound = "035", .title = "峨眉山月歌", .poet = "李白",
     .text = "峨眉山月半轮秋,/影入平羌江水流./"
             "夜发清溪向三峡,/思君不见下渝州./"},

    // Page 3: Wang Wei.
    {.page = 3, .button = "btn_a1", .sound = "037", .title = "相思", .poet = "王维",
     .text = "红豆生南国,/春来发几枝./"
             "愿君多采撷,/此物最相思./"},
    {.page = 3, .button = "btn_a2", .sound = "038", .title = "鹿柴", .poet = "王维",
     .text = "空山不见人,/但闻人语响./"
             "返景入深林,/复照青苔上./"},
    {.page = 3, .button = "btn_b1", .sound = "040", .title = "杂诗(王维)", .poet = "王维",
     .text = "君自故乡来,/应知故乡事./"
             "来日绮窗前,/寒梅著花未?/"},
    {.page = 3, .button = "btn_b2", .sound = "041", .title = "九月九日忆山东兄弟", .poet = "王维",
     .text = "独在异乡为异客,/每逢佳节倍思亲./"
             "遥知兄弟登高处,/遍插茱萸少一人./"},
    {.page = 3, .button = "btn_c1", .sound = "043", .title = "送元二使安西", .poet = "王维",
     .text = "渭城朝雨浥轻尘,/客舍青青柳色新./"
             "劝君更尽一杯酒,/西出阳关无故人./"},
    {.page = 3, .button = "btn_c2", .sound = "044", .title = "鸟鸣涧", .poet = "王维",
     .text = "人闲桂花落,/夜静春山空./"
             "月出惊山鸟,/时鸣春涧中./"},
    {.page = 3, .button = "btn_d1", .sound = "046", .title = "竹里馆", .poet = "王维",
     .text = "独坐幽篁里,/弹琴复长啸./"
             "深林人不知,/明月来相照./"},
    {.page = 3, .button = "btn_d2", .sound = "047", .title = "山居秋暝", .poet = "王维",
     .text = "空山新雨后,/天气晚来秋./"
             "明月松间照,/清泉石上流./"
             "竹喧归浣女,/莲动下渔舟./"
             "随意春芳歇,/王孙自可留./"},

    // Page 4: Du Fu.
    {.page = 4, .button = "btn_a1", .sound = "049", .title = "春夜喜雨", .poet = "杜甫",
     .text = "好雨知时节,/当春乃发生./"
             "随风潜入夜,/润物细无声./"
             "野径云俱黑,/江船火独明./"
             "晓看红湿处,/花重锦官城./"},
    {.page = 4, .button = "btn_a2", .sound = "050", .title = "江畔独步寻花", .poet = "杜甫",
     .text = "黄四娘家花满蹊,/千朵万朵压枝低./"
             "留连戏蝶时时舞,/自在娇莺恰恰啼./"},
    {.page = 4, .button = "btn_b1", .sound = "052", .title = "赠花卿", .poet = "杜甫",
     .text = "锦城丝管日纷纷,/半入江风半入云./"
             "此曲只应天上有,/人间能得几回闻./"},
    {.page = 4, .button = "btn_b2", .sound = "053", .title = "江南逢李龟年", .poet = "杜甫",
     .text = "岐王宅里寻常见,/崔九堂前几度闻./"
             "正是江南好风景,/落花时节又逢君./"},
    {.page = 4, .button = "btn_c1", .sound = "055", .title = "八阵图", .poet = "杜甫",
     .text = "功盖三分国,/名成八阵图./"
             "江流石不转,/遗恨失吞吴./"},
    {.page = 4, .button = "btn_c2", .sound = "056", .title = "春望", .poet = "杜甫",
     .text = "国破山河在,/城春草木深./"
             "感时花溅泪,/恨别鸟惊心./"
             "烽火连三月,/家书抵万金./"
             "白头搔更短,/浑欲不胜簪./"},
    {.page = 4, .button = "btn_d1", .sound = "058", .title = "望岳", .poet = "杜甫",
     .text = "岱宗夫如何?/齐鲁青未了./"
             "造化钟神秀,/阴阳割昏晓./"
             "荡胸生曾云,/决眦入归鸟./"
             "会当凌绝顶,/一览众山小./"},
    {.page = 4, .button = "btn_d2", .sound = "059", .title = "登高", .poet = "杜甫",
     .text = "风急天高猿啸哀,/渚清沙白鸟飞回./"
             "无边落木萧萧下,/不尽长江滚滚来./"
             "万里悲秋常作客,/百年多病独登台./"
             "艰难苦恨繁霜鬓,/潦倒新停浊酒杯./"},

    // Page 5: Bai Juyi, Meng Haoran, Meng Jiao.
    {.page = 5, .button = "btn_a1", .sound = "061", .title = "赋得古原草送别", .poet = "白居易",
     .text = "离离原上草,/一岁一枯荣./"
             "野火烧不尽,/春风吹又生./"
             "远芳侵古道,/晴翠接荒城./"
             "又送王孙去,/萋萋满别情./"},
    {.page = 5, .button = "btn_a2", .sound = "062", .title = "池上", .poet = "白居易",
     .text = "小娃撑小艇,/偷采白莲回./"
             "不解藏踪迹,/浮萍一道开./"},
    {.page = 5, .button = "btn_b1", .sound = "064", .title = "暮江吟", .poet = "白居易",
     .text = "一道残阳铺水中,/半江瑟瑟半江红./"
             "可怜九月初三夜,/露似真珠月似弓./"},
    {.page = 5, .button = "btn_b2", .sound = "065", .title = "宿建德江", .poet = "孟浩然",
     .text = "移舟泊烟渚,/日暮客愁新./"
             "野旷天低树,/江清月近人./"},
    {.page = 5, .button = "btn_c1", .sound = "067", .title = "大林寺桃花", .poet = "白居易",
     .text = "人间四月芳菲尽,/山寺桃花始盛开./"
             "长恨春归无觅处,/不知转入此中来./"},
    {.page = 5, .button = "btn_c2", .sound = "068", .title = "问刘十九", .poet = "白居易",
     .text = "绿蚁新醅酒,/红泥小火炉./"
             "晚来天欲雪,/能饮一杯无?/"},
    {.page = 5, .button = "btn_d1", .sound = "070", .title = "钱塘湖春行", .poet = "白居易",
     .text = "孤山寺北贾亭西,/水面初平云脚低./"
             "几处早莺争暖树,/谁家新燕啄春泥./"
             "乱花渐欲迷人眼,/浅草才能没马蹄./"
             "最爱湖东行不足,/绿杨阴里白沙堤./"},
    {.page = 5, .button = "btn_d2", .sound = "071", .title = "游子吟", .poet = "孟郊",
     .text = "慈母手中线,/游子身上衣./"
             "临行密密缝,/意恐迟迟归./"
             "谁言寸草心,/报得三春晖./"},

    // Page 6: Du Mu and Liu Yuxi.
    {.page = 6, .button = "btn_a1", .sound = "017", .title = "山行", .poet = "杜牧",
     .text = "远上寒山石径斜,/白云生处有人家./"
             "停车坐爱枫林晚,/霜叶红于二月花./"},
    {.page = 6, .button = "btn_a2", .sound = "039", .title = "清明", .poet = "杜牧",
     .text = "清明时节雨纷纷,/路上行人欲断魂./"
             "借问酒家何处有?/牧童遥指杏花村./"},
    {.page = 6, .button = "btn_b1", .sound = "006", .title = "江南春", .poet = "杜牧",
     .text = "千里莺啼绿映红,/水村山郭酒旗风./"
             "南朝四百八十寺,/多少楼台烟雨中./"},
    {.page = 6, .button = "btn_b2", .sound = "042", .title = "秋夕", .poet = "杜牧",
     .text = "银烛秋光冷画屏,/轻罗小扇扑流萤./"
             "天阶夜色凉如水,/卧看牵牛织女星./"},
    {.page = 6, .button = "btn_c1", .sound = "009", .title = "乌衣巷", .poet = "刘禹锡",
     .text = "朱雀桥边野草花,/乌衣巷口夕阳斜./"
             "旧时王谢堂前燕,/飞入寻常百姓家./"},
    {.page = 6, .button = "btn_c2", .sound = "045", .title = "望洞庭", .poet = "刘禹锡",
     .text = "湖光秋月两相和,/潭面无风镜未磨./"
             "遥望洞庭山水翠,/白银盘里一青螺./"},
    {.page = 6, .button = "btn_d1", .sound = "012", .title = "浪淘沙", .poet = "刘禹锡",
     .text = "九曲黄河万里沙,/浪淘风簸自天涯./"
             "如今直上银河去,/同到牵牛织女家./"},
    {.page = 6, .button = "btn_d2", .sound = "020", .title = "竹枝词", .poet = "刘禹锡",
     .text = "杨柳青青江水平,/闻郎江上唱歌声./"
             "东边日出西边雨,/道是无晴却有晴./"},

    // Page 7: the frontier.
    {.page = 7, .button = "btn_a1", .sound = "015", .title = "凉州词(王之涣)", .poet = "王之涣",
     .text = "黄河远上白云间,/一片孤城万仞山./"
             "羌笛何须怨杨柳,/春风不度玉门关./"},
    {.page = 7, .button = "btn_a2", .sound = "051", .title = "凉州词(王翰)", .poet = "王翰",
     .text = "葡萄美酒夜光杯,/欲饮琵琶马上催./"
             "醉卧沙场君莫笑,/古来征战几人回?/"},
    {.page = 7, .button = "btn_b1", .sound = "018", .title = "塞下曲(月黑雁飞高)", .poet = "卢纶",
     .text = "月黑雁飞高,/单于夜遁逃./"
             "欲将轻骑逐,/大雪满弓刀./"},
    {.page = 7, .button = "btn_b2", .sound = "054", .title = "塞下曲(林暗草惊风)", .poet = "卢纶",
     .text = "林暗草惊风,/将军夜引弓./"
             "平明寻白羽,/没在石棱中./"},
    {.page = 7, .button = "btn_c1", .sound = "021", .title = "芙蓉楼送辛渐", .poet = "王昌龄",
     .text = "寒雨连江夜入吴,/平明送客楚山孤./"
             "洛阳亲友如相问,/一片冰心在玉壶./"},
    {.page = 7, .button = "btn_c2", .sound = "057", .title = "从军行", .poet = "王昌龄",
     .text = "青海长云暗雪山,/孤城遥望玉门关./"
             "黄沙百战穿金甲,/不破楼兰终不还./"},
    {.page = 7, .button = "btn_d1", .sound = "016", .title = "别董大", .poet = "高适",
     .text = "千里黄云白日曛,/北风吹雁雪纷纷./"
             "莫愁前路无知己,/天下谁人不识君?/"},
    {.page = 7, .button = "btn_d2", .sound = "060", .title = "逢雪宿芙蓉山主人", .poet = "刘长卿",
     .text = "日暮苍山远,/天寒白屋贫./"
             "柴门闻犬吠,/风雪夜归人./"},

    // Page 8.
    {.page = 8, .button = "btn_a1", .sound = "007", .title = "蝉", .poet = "虞世南",
     .text = "垂緌饮清露,/流响出疏桐./"
             "居高声自远,/非是藉秋风./"},
    {.page = 8, .button = "btn_a2", .sound = "063", .title = "登乐游原", .poet = "李商隐",
     .text = "向晚意不适,/驱车登古原./"
             "夕阳无限好,/只是近黄昏./"},
    {.page = 8, .button = "btn_b1", .sound = "030", .title = "滁州西涧", .poet = "韦应物",
     .text = "独怜幽草涧边生,/上有黄鹂深树鸣./"
             "春潮带雨晚来急,/野渡无人舟自横./"},
    {.page = 8, .button = "btn_b2", .sound = "013", .title = "过故人庄", .poet = "孟浩然",
     .text = "故人具鸡黍,/邀我至田家./"
             "绿树村边合,/青山郭外斜./"
             "开轩面场圃,/把酒话桑麻./"
             "待到重阳日,/还来就菊花./"},
    {.page = 8, .button = "btn_c1", .sound = "033", .title = "夜雨寄北", .poet = "李商隐",
     .text = "君问归期未有期,/巴山夜雨涨秋池./"
             "何当共剪西窗烛,/却话巴山夜雨时./"},
    // The second of Du Fu's quatrains under the same title as page 0's.
    {.page = 8, .button = "btn_c2", .sound = "069", .title = "绝句(杜甫)", .poet = "杜甫",
     .text = "迟日江山丽,/春风花草香./"
             "泥融飞燕子,/沙暖睡鸳鸯./"},
    {.page = 8, .button = "btn_d1", .sound = "036", .title = "月下独酌", .poet = "李白",
     .text = "花间一壶酒,/独酌无相亲./"
             "举杯邀明月,/对影成三人./"
             "月既不解饮,/影徒随我身./"
             "暂伴月将影,/行乐须及春./"
             "我歌月徘徊,/我舞影零乱./"
             "醒时同交欢,/醉后各分散./"
             "永结无情游,/相期邈云汉./"},
    {.page = 8, .button = "btn_d2", .sound = "072", .title = "早春呈水部张十八员外", .poet = "韩愈",
     .text = "天街小雨润如酥,/草色遥看近却无./"
             "最是一年春好处,/绝胜烟柳满皇都./"},
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
