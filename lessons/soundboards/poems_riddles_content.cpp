// Pictures and sounds of the Tang poems and riddles lessons, from their own
// tables.
#include "lessons/soundboards/caimiyu_tables.h"
#include "lessons/soundboards/soundboards.h"
#include "lessons/soundboards/tangshi_tables.h"
#include "resources/menu_catalogue.h"

#include <utility>

namespace soundboards {

namespace {

// espeak-ng's embedded speed command: recitations go slower than speech.
constexpr const char* kRecitingPace = "\x01"
                                      "130S";

// Words espeak-ng reads with the wrong one of a character's readings, or
// says with a syllable twice (its two-character words 琵琶, 鸳鸯, 烽火, 潦倒,
// 凛凛, 谜语), and a spelling it reads right: what is heard changes, never
// what is shown.
// clang-format off
const std::pair<const char*, const char*> kSpokenAs[] = {
    // In the poems (háng, huán, shào, cuī, yìng, zhāo, chóng, mò, chán, jì,
    // shí, dé, jiè, féng, shēng, tái, dì, wéi, zhuó, shè, tán, zhòng, liǎo,
    // fú, qǔ, pū, dū, bó, jiǎ).
    {"一行白鹭", "一杭白鹭"}, {"人未还", "人未环"}, {"一日还", "一日环"}, {"终不还", "终不环"},
    {"还来就菊花", "环来就菊花"}, {"少小离家", "绍小离家"}, {"鬓毛衰", "鬓毛催"}, {"不应人", "不映人"},
    {"朝辞", "招辞"}, {"渭城朝雨", "渭城招雨"}, {"万重山", "万虫山"}, {"重阳", "虫阳"},
    {"没在", "莫在"}, {"没马蹄", "莫马蹄"}, {"单于", "蝉于"}, {"轻骑", "轻记"},
    {"不相识", "不相石"}, {"不识君", "不石君"}, {"怕得", "怕德"}, {"报得", "报德"}, {"能得", "能德"},
    {"藉秋风", "借秋风"}, {"密密缝", "密密逢"}, {"不胜簪", "不升簪"}, {"莓苔", "莓台"},
    {"青苔", "青台"}, {"地上霜", "第上霜"}, {"为异客", "维异客"}, {"著花未", "酌花未"},
    {"客舍", "客社"}, {"弹琴", "谈琴"}, {"春种", "春众"}, {"青未了", "青未瞭"}, {"夫如何", "扶如何"},
    {"此曲", "此取"}, {"铺水中", "扑水中"}, {"皇都", "皇督"}, {"泊", "博"}, {"贾亭", "假亭"},
    {"琵琶", "皮爬"}, {"鸳鸯", "渊央"}, {"烽火", "风火"}, {"潦倒", "辽岛"},
    // In the titles and poets' names (què, zhài, sài qǔ, dé, qiáo, yìng, jiǎ).
    {"鹳鹊", "鹳雀"}, {"鹿柴", "鹿寨"}, {"塞下曲", "赛下取"}, {"出塞", "出赛"}, {"赋得", "赋德"},
    {"李峤", "李乔"}, {"韦应物", "韦映物"}, {"贾岛", "假岛"},
    // In the riddles, their answers and the start sound (zhǎng, shǔ, bēi,
    // shuài, jiàng, liǎo, lǐn, jiē).
    {"长鼻子", "掌鼻子"}, {"往上长", "往上掌"}, {"长大没尾巴", "掌大没尾巴"}, {"数不清", "鼠不清"},
    {"背着", "杯着"}, {"率兵", "帅兵"}, {"兵和将", "兵和酱"}, {"知了", "知瞭"}, {"凛凛", "檩檩"},
    {"结的果实", "接的果实"}, {"谜语", "谜雨"},
};
// clang-format on

// Replaces every occurrence of `from` in text.
std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string spoken(std::string text)
{
    for (const auto& [written, said] : kSpokenAs)
        text = replaced(text, written, said);
    return text;
}

// A title without its note in parentheses: "悯农(锄禾日当午)" is said "悯农".
std::string spokenTitle(const std::string& title)
{
    return title.substr(0, title.find('('));
}

// What a recitation says: the title, the poet, then each line with a pause
// at its end (the full-width marks make espeak-ng pause as a reader does).
std::string recitation(const Poem& poem)
{
    std::string lines = poem.text;
    for (const auto& [ascii, wide] : {std::pair{",", "，"}, {".", "。"}, {"?", "？"}, {"!", "！"}})
        lines = replaced(lines, ascii, wide);
    lines = replaced(lines, "/", " ");
    return std::string(kRecitingPace) + spoken(spokenTitle(poem.title) + "。" + poem.poet + "。 " + lines);
}

// A riddle read aloud: the dash and brackets before its hint become pauses.
std::string spokenRiddle(const Riddle& riddle)
{
    std::string text = riddle.text;
    for (const char* mark : {"-", "(", ")"})
        text = replaced(text, mark, "，");
    return spoken(text);
}

std::string declareLesson(content::Manifest& m, const char* className, const std::string& start)
{
    const std::string folder = catalogue::LessonFolder(className);
    m.screens.push_back(className);
    m.sound(folder, "st", spoken(start));
    m.sound(folder, "n", "下一页");
    m.sound(folder, "l", "上一页");
    return folder;
}

void addTangshi(content::Manifest& m)
{
    const std::string folder = declareLesson(m, "TFM_tangshi", "唐诗精选。点一首诗的题目，听一听这首诗。");
    for (const Poem& poem : kPoems)
        m.sound(folder, poem.sound, recitation(poem));
    m.picture("TS_BACKGROUND", 515, 455, "background").colour = 0x7EC8A0;
    m.picture("TS_TILE", 230, 100, "button").colour = 0xFFE9A8;
    m.picture("TS_READING", 265, 455, "scroll").colour = 0xC8A165;
}

void addCaiMiYu(content::Manifest& m)
{
    const std::string folder = declareLesson(m, "TFM_CaiMiYu", "猜谜语。点一个谜语听一听，猜到了，就点问号看答案。");
    m.sound(folder, "da", "答案是");
    for (int n = 1; n <= kRiddles; ++n) {
        const Riddle& riddle = *RiddleOf(n);
        m.sound(folder, RiddleSound(n), spokenRiddle(riddle));
        m.sound(folder, RiddleAnswerWord(RiddleSound(n)), spoken(riddle.answer));
        content::Picture& answer = m.picture(RiddleAnswerPicture(n), 150, 150, "riddle_answer");
        answer.emoji = riddle.emoji;
        answer.drawing = riddle.drawing;
        answer.text = riddle.answer;
    }
    m.picture("CMY_BACKGROUND", 784, 455, "background").colour = 0x6FA8DC;
    m.picture("CMY_TILE", 140, 200, "button").colour = 0xF28CB1;
    m.picture("CMY_BAND", 464, 111, "band").colour = 0x3D5A80;
    content::Picture& key = m.picture("CMY_KEY", 85, 73, "icon");
    key.emoji = "💡";
    key.param = "答案";
    m.picture("CMY_QUESTION", 130, 130, "card").emoji = "❓";
}

}  // namespace

void addPoemAndRiddleContent(content::Manifest& m)
{
    addTangshi(m);
    addCaiMiYu(m);
}

}  // namespace soundboards
