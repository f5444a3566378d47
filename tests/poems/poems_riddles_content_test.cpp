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

#include <QApplication>
#include <QDir>
#include <QPainter>

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
    // Where espeak-ng would pick the wrong reading it hears a homophone.
    EXPECT_NE(d.sounds.at("tangshi/010").say.find("一杭白鹭"), std::string::npos);
    EXPECT_NE(d.sounds.at("tangshi/001").say.find("登鹳雀楼"), std::string::npos);
    const std::string noted = d.sounds.at("tangshi/005").say;  // 悯农(锄禾日当午)
    EXPECT_EQ(noted.find('('), std::string::npos);
    EXPECT_NE(noted.find("悯农"), std::string::npos);
    EXPECT_NE(d.sounds.at("guess/001").say.find("猜人体的某一个部位"), std::string::npos);
    EXPECT_EQ(d.sounds.at("guess/001").say.find('-'), std::string::npos);
    EXPECT_EQ(d.sounds.at("guess/b001").say, "手");
    EXPECT_EQ(d.sounds.at("guess/b030").say, "香蕉");
}

TEST(PoemsRiddlesContent, EveryPictureTheScreensShowIsDeclaredAtItsSize)
{
    const Declared d;
    struct Case {
        std::string name;
        int width, height;
    };
    std::vector<Case> cases{{"TS_BACKGROUND", 515, 455}, {"TS_TILE", 230, 100},   {"TS_READING", 265, 455},
                            {"CMY_BACKGROUND", 784, 455}, {"CMY_TILE", 140, 200}, {"CMY_BAND", 464, 111},
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

void Save(QWidget* screen, const QString& name)
{
    const QString dir = qEnvironmentVariable("QH_SHOTS_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(screen->grab().save(QDir(dir).filePath(name)));
    }
}

// Opens a lesson shown, each of its layout's pictures present.
std::unique_ptr<frame::LessonScreen> OpenShown(const char* className, std::initializer_list<const char*> images)
{
    soundboards::RegisterPoemAndRiddleLessons();
    std::unique_ptr<frame::LessonScreen> screen((*frame::FindLesson(className))());
    screen->Create();
    screen->show();
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
    Save(screen.get(), "TFM_tangshi.png");
    for (int page = 0; page < 8; ++page)
        ASSERT_TRUE(testing_support::Click(screen.get(), "btn_NextPage"));
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_d1"));
    QApplication::processEvents();
    Save(screen.get(), "TFM_tangshi_longest.png");
}

TEST(PoemsRiddlesRender, CaiMiYuWithARiddleAndItsAnswer)
{
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media{rec};
    auto screen = OpenShown("TFM_CaiMiYu", {"Image1", "Image2", "Image8", "Image9", "img_tile1", "Image_back"});
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_1"));
    Save(screen.get(), "TFM_CaiMiYu.png");
    ASSERT_TRUE(testing_support::Click(screen.get(), "Image2"));
    auto* answer = testing_support::FindAs<platform::TImage>(screen.get(), "img_da");
    ASSERT_TRUE(answer->hasPicture());
    EXPECT_EQ(answer->picture().size(), QSize(150, 150));
    Save(screen.get(), "TFM_CaiMiYu_answer.png");
    // The longest riddle text, and all thirty answers on one sheet.
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_nextpage"));
    ASSERT_TRUE(testing_support::Click(screen.get(), "btn_1"));
    Save(screen.get(), "TFM_CaiMiYu_riddle6.png");
    QImage sheet(150 * 10, 150 * 3, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int n = 1; n <= 30; ++n)
        p.drawImage((n - 1) % 10 * 150, (n - 1) / 10 * 150,
                    platform::loadPictureResource(soundboards::RiddleAnswerPicture(n)).image());
    p.end();
    const QString dir = qEnvironmentVariable("QH_SHOTS_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(sheet.save(QDir(dir).filePath("CMY_answers.png")));
    }
}


}  // namespace
