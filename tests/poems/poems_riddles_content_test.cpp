// The two lessons' content declarations cover every sound and picture the
// screens can ask for, at their sizes; with the program's own pictures the
// screens are rendered, a long poem and a riddle's answer shown (saved as
// PNG where QH_SHOTS_DIR names a folder).
#include "lessons/soundboards/caimiyu_tables.h"
#include "lessons/soundboards/tangshi_tables.h"
#include "platform/widgets.h"
#include "resources/content.h"
#include "resources/menu_catalogue.h"
#include "tests/poems/poems_harness.h"
#include "tools/content_gen/readings.h"
#include "tools/content_gen/voices.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <set>

using namespace poems_test;

namespace {

struct Declared {
    Declared()
    {
        content::Manifest m;
        soundboards::addPoemAndRiddleContent(m);
        for (const content::Picture& p : m.pictures)
            EXPECT_TRUE(pictures.emplace(p.name, p).second) << "declared twice: " << p.name;
        for (const content::Sound& s : m.sounds) {
            EXPECT_TRUE(sounds.emplace(catalogue::FolderPath(s.folder.c_str()) + s.name, s).second)
                << "declared twice: " << s.folder << s.name;
        }
        screens.insert(m.screens.begin(), m.screens.end());
    }
    std::map<std::string, content::Picture> pictures;
    std::map<std::string, content::Sound> sounds;
    std::set<std::string> screens;
};

TEST(PoemsRiddlesContent, EverySoundAClickCanPlayIsDeclared)
{
    const Declared d;
    EXPECT_TRUE(d.screens.count("TFM_tangshi"));
    EXPECT_TRUE(d.screens.count("TFM_CaiMiYu"));
    std::vector<std::string> names;
    for (const char* fixed : {"st", "n", "l"}) {
        names.push_back(std::string("tangshi/") + fixed);
        names.push_back(std::string("guess/") + fixed);
    }
    names.push_back("guess/da");
    for (int n = 1; n <= 72; ++n)
        names.push_back("tangshi/" + soundboards::RiddleSound(n));
    for (int n = 1; n <= 30; ++n) {
        names.push_back("guess/" + soundboards::RiddleSound(n));
        names.push_back("guess/b" + soundboards::RiddleSound(n));
    }
    for (const std::string& name : names)
        EXPECT_TRUE(d.sounds.count(name)) << name;
    EXPECT_EQ(d.sounds.size(), names.size()) << "declared but never played";
}

// What the recordings say: the title first, then the poem; the riddle with
// its hint; the answer word.
TEST(PoemsRiddlesContent, RecordingsSayWhatTheScreenShows)
{
    const Declared d;
    const std::string first = d.sounds.at("tangshi/002").say;
    EXPECT_LT(first.find("静夜思"), first.find("床前明月光"));
    EXPECT_NE(first.find("低头思故乡"), std::string::npos);
    EXPECT_EQ(first.find('/'), std::string::npos);
    EXPECT_EQ(d.sounds.at("tangshi/002").voice, content::Voice::Recitation);
    // The texts stay as the screen shows them; the readings say them right.
    EXPECT_NE(d.sounds.at("tangshi/010").say.find("一行白鹭"), std::string::npos);
    EXPECT_NE(d.sounds.at("tangshi/001").say.find("登鹳鹊楼"), std::string::npos);
    EXPECT_EQ(d.sounds.at("tangshi/001").reading.rfind("deng1 guan4 que4 lou2. wang2 zhi1 huan4. bai2 ri4", 0), 0u);
    const std::string noted = d.sounds.at("tangshi/005").say;  // 悯农(锄禾日当午)
    EXPECT_EQ(noted.find('('), std::string::npos);
    EXPECT_NE(noted.find("悯农"), std::string::npos);
    EXPECT_NE(d.sounds.at("guess/001").say.find("猜人体的某一个部位"), std::string::npos);
    EXPECT_EQ(d.sounds.at("guess/001").say.find('-'), std::string::npos);
    EXPECT_EQ(d.sounds.at("guess/b001").say, "手");
    EXPECT_EQ(d.sounds.at("guess/b030").say, "香蕉");
    EXPECT_EQ(gen::readingOf(d.sounds.at("guess/b024")), "zhi1 liao3");
}

// Characters with several readings are read with the one the verse needs.
TEST(PoemsRiddlesContent, ReadingsOfCharactersWithSeveral)
{
    const Declared d;
    struct Case {
        const char* sound;
        const char* shown;  // in the text
        const char* read;   // in its reading
    } cases[] = {
        {"tangshi/010", "一行白鹭", "yi4 hang2 bai2 lu4"},
        {"tangshi/048", "人未还", "ren2 wei4 huan2"},
        {"tangshi/028", "一日还", "yi2 ri4 huan2"},
        {"tangshi/022", "少小离家", "shao4 xiao3 li2 jia1"},
        {"tangshi/022", "鬓毛衰", "bin4 mao2 shuai1"},
        {"tangshi/019", "不应人", "bu2 ying4 ren2"},
        {"tangshi/028", "朝辞", "zhao1 ci2"},
        {"tangshi/043", "渭城朝雨", "wei4 cheng2 zhao1 yu3"},
        {"tangshi/028", "万重山", "wan4 chong2 shan1"},
        {"tangshi/070", "没马蹄", "mo4 ma3 ti2"},
        {"tangshi/018", "单于", "chan2 yu2"},
        {"tangshi/018", "轻骑", "qing1 qi2"},
        {"tangshi/002", "地上霜", "di4 shang4 shuang1"},
        {"tangshi/041", "为异客", "wei2 yi4 ke4"},
        {"tangshi/040", "著花未", "zhuo2 hua1 wei4"},
        {"tangshi/043", "客舍青青", "ke4 she4 qing1 qing1"},
        {"tangshi/046", "弹琴", "tan2 qin2"},
        {"tangshi/027", "春种", "chun1 zhong4"},
        {"tangshi/058", "青未了", "qing1 wei4 liao3"},
        {"tangshi/058", "岱宗夫如何", "dai4 zong1 fu2 ru2 he2"},
        {"tangshi/052", "此曲", "ci3 qu3"},
        {"tangshi/018", "塞下曲", "sai4 xia4 qu3"},
        {"tangshi/064", "铺水中", "pu1 shui3 zhong1"},
        {"tangshi/072", "皇都", "huang2 du1"},
        {"tangshi/031", "夜泊", "ye4 bo2"},
        {"tangshi/065", "泊烟渚", "bo2 yan1 zhu3"},
        {"tangshi/038", "青苔", "qing1 tai2"},
        {"tangshi/038", "鹿柴", "lu4 zhai4"},
        {"tangshi/066", "贾岛", "jia3 dao3"},
        {"tangshi/070", "贾亭", "jia3 ting2"},
        {"tangshi/010", "杜甫", "du4 fu3"},
        {"tangshi/017", "石径斜", "shi2 jing4 xie2"},
        {"guess/007", "兵和将", "bing1 he2 jiang4"},
        {"guess/029", "结的果实", "jie1 de5 guo3 shi2"},
        {"guess/029", "数不清", "shu3 bu4 qing1"},
        {"guess/010", "长鼻子", "zhang3 bi2 zi5"},
        {"guess/008", "背着", "bei1 zhe5"},
        {"guess/029", "高高个儿", "gao1 gao1 ge4r"},
    };
    for (const Case& c : cases) {
        const content::Sound& s = d.sounds.at(c.sound);
        EXPECT_NE(s.say.find(c.shown), std::string::npos) << c.sound << " " << c.shown;
        EXPECT_NE(s.reading.find(c.read), std::string::npos) << c.sound << " " << c.read << " in " << s.reading;
    }
}

// espeak-ng says each character once: given the characters, some of its
// two-character words (琵琶, 鸳鸯, 烽火, 潦倒, 凛凛) come out with their second
// syllable twice; given the reading, every syllable comes once (an erhua
// syllable that espeak-ng can say as one stands for two characters).
TEST(PoemsRiddlesContent, EveryCharacterIsSpokenOnce)
{
    const Declared d;
    const QRegularExpression erhua("^[a-z]+[1-5]r$");
    for (const auto& [name, sound] : d.sounds) {
        const std::u32string said = QString::fromStdString(sound.say).toStdU32String();
        long hanzi = std::count_if(said.begin(), said.end(), [](char32_t c) { return c >= 0x4e00 && c <= 0x9fff; });
        long apart = 0;
        for (const QString& unit : QString::fromStdString(gen::readingOf(sound))
                                       .split(QRegularExpression("[\\s,.!?;:()-]+"), Qt::SkipEmptyParts)) {
            if (!erhua.match(unit).hasMatch())
                continue;
            if (gen::erhuaSaidApart(unit.toStdString()))
                ++apart;
            else
                --hanzi;
        }
        std::string phonemes;
        ASSERT_EQ(
            gen::runProgram({"espeak-ng", "-q", "-x", "-v", gen::speechVoice(sound.voice), gen::espeakText(sound)},
                            &phonemes),
            0);
        long syllables = 0, twoInOne = 0;
        const QRegularExpression tone("\\d+");
        for (const QString& word :
             QString::fromStdString(phonemes).split(QRegularExpression("[_|\\s]+"), Qt::SkipEmptyParts)) {
            long tones = 0;
            for (auto m = tone.globalMatch(word); m.hasNext(); m.next())
                ++tones;
            EXPECT_LE(tones, 2) << name << ": " << word.toStdString() << " in " << phonemes;
            twoInOne += tones == 2;
            syllables += tones;
        }
        EXPECT_EQ(twoInOne, apart) << name << ": only an erhua said apart is two syllables in one word\n" << phonemes;
        EXPECT_EQ(syllables, hanzi) << name << ": " << sound.say << "\n" << phonemes;
    }
}

TEST(PoemsRiddlesContent, EveryPictureTheScreensShowIsDeclaredAtItsSize)
{
    const Declared d;
    struct Case {
        std::string name;
        int width, height;
    };
    std::vector<Case> cases{{"TS_BACKGROUND", 515, 455},  {"TS_TILE", 230, 100},     {"TS_READING", 265, 455},
                            {"CMY_BACKGROUND", 784, 455}, {"CMY_TILE", 140, 200},    {"CMY_BAND", 464, 111},
                            {"CMY_KEY", 85, 73},          {"CMY_QUESTION", 130, 130}};
    for (int n = 1; n <= 30; ++n)
        cases.push_back({"CMY" + soundboards::RiddleSound(n), 150, 150});
    for (const Case& c : cases) {
        auto it = d.pictures.find(c.name);
        ASSERT_NE(it, d.pictures.end()) << c.name;
        EXPECT_EQ(it->second.width, c.width) << c.name;
        EXPECT_EQ(it->second.height, c.height) << c.name;
    }
    EXPECT_EQ(d.pictures.at("CMY030").text, "香蕉");
}

// The goldfish of riddle 27 is red ("好像一朵大红花"): its picture is
// mostly red where it is not the card or the word.
TEST(PoemsRiddlesRender, TheGoldfishIsRed)
{
    const QImage fish = platform::loadPictureResource(soundboards::RiddleAnswerPicture(27)).image();
    int red = 0, coloured = 0;
    for (int y = 0; y < fish.height() * 6 / 10; ++y)
        for (int x = 0; x < fish.width(); ++x) {
            const QColor c = fish.pixelColor(x, y);
            if (c.hsvSaturation() < 100)
                continue;
            ++coloured;
            red += (c.hsvHue() <= 25 || c.hsvHue() >= 345) ? 1 : 0;
        }
    ASSERT_GT(coloured, 0);
    EXPECT_GT(red * 10, coloured * 7) << red << " of " << coloured;
}

// Opens a lesson shown, each of its layout's pictures present.
std::unique_ptr<frame::LessonScreen> OpenShown(const char* className, std::initializer_list<const char*> images)
{
    soundboards::RegisterPoemAndRiddleLessons();
    std::unique_ptr<frame::LessonScreen> screen = testing_support::OpenShown(className);
    if (!screen) {
        ADD_FAILURE() << className << " is not registered";
        return screen;
    }
    for (const char* image : images) {
        auto* img = testing_support::FindAs<platform::TImage>(screen.get(), image);
        EXPECT_TRUE(img && img->hasPicture()) << className << " " << image;
    }
    return screen;
}

TEST(PoemsRiddlesRender, TangshiWithTheLongestPoemShown)
{
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media{rec};
    auto screen = OpenShown("TFM_tangshi", {"Image1", "Image2", "img_a1", "img_d2", "Image_next", "Image_back"});
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_a1"));
    testing_support::SaveShot(screen.get(), "TFM_tangshi");
    // An eight-line poem of seven-character verses (登高).
    for (int page = 0; page < 4; ++page)
        ASSERT_TRUE(testing_support::Click(screen.get(), "btn_NextPage"));
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_d2"));
    QApplication::processEvents();
    testing_support::SaveShot(screen.get(), "TFM_tangshi_eight_lines");
    for (int page = 4; page < 8; ++page)
        ASSERT_TRUE(testing_support::Click(screen.get(), "btn_NextPage"));
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_d1"));
    QApplication::processEvents();
    testing_support::SaveShot(screen.get(), "TFM_tangshi_longest");
}

TEST(PoemsRiddlesRender, CaiMiYuWithARiddleAndItsAnswer)
{
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media{rec};
    auto screen = OpenShown("TFM_CaiMiYu", {"Image1", "Image2", "Image8", "Image9", "img_tile1", "Image_back"});
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_1"));
    testing_support::SaveShot(screen.get(), "TFM_CaiMiYu");
    ASSERT_TRUE(testing_support::Click(screen.get(), "Image2"));
    auto* answer = testing_support::FindAs<platform::TImage>(screen.get(), "img_da");
    ASSERT_TRUE(answer->hasPicture());
    EXPECT_EQ(answer->picture().size(), QSize(150, 150));
    testing_support::SaveShot(screen.get(), "TFM_CaiMiYu_answer");
    // The longest riddle text, and all thirty answers on one sheet.
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_nextpage"));
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_1"));
    testing_support::SaveShot(screen.get(), "TFM_CaiMiYu_riddle6");
    QImage sheet(150 * 10, 150 * 3, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int n = 1; n <= 30; ++n)
        p.drawImage((n - 1) % 10 * 150, (n - 1) / 10 * 150,
                    platform::loadPictureResource(soundboards::RiddleAnswerPicture(n)).image());
    p.end();
    QLabel shown;
    shown.setPixmap(QPixmap::fromImage(sheet));
    shown.resize(sheet.size());
    testing_support::SaveShot(&shown, "CMY_answers");
}

}  // namespace
