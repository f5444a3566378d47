// Both lessons opened through the menu's launcher, and, with the program's
// own pictures and the trapped-animal files of the built media folder, the
// screens rendered offscreen; the grabs are saved where QH_SHOTS_DIR
// names a folder, to be looked at.
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "lessons/games/form_FaSanSiwei.h"
#include "lessons/games/games.h"
#include "lessons/games/form_password.h"
#include "platform/strings.h"
#include "resources/content.h"
#include "tests/support/launch_driver.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

using namespace testing_support;

namespace {

// What the catalogue-wide launch test does not look at: the rescue game opens
// from the menu under its start bubble, with no animal shown yet.
TEST(ImagineRescueLaunch, TheRescueGameOpensFromTheMenuUnderItsStartBubble)
{
    games::RegisterLessons();
    RecordingPlatform rec;
    MediaFixture media(rec);
    TMainForm menu;
    menu.Create();
    bool bubble = false, hand = false, animal = true;
    const bool back = VisitFromMenu(menu, "TFM_Password", [&](frame::LessonScreen& open) {
        bubble = Find(&open, "img_start") && Find(&open, "img_start")->isVisible();
        hand = Find(&open, "img_start_shou") && Find(&open, "img_start_shou")->isVisible();
        animal = FindAs<platform::TImage>(&open, "img_help")->hasPicture();
    });
    EXPECT_TRUE(back);
    EXPECT_TRUE(bubble);
    EXPECT_TRUE(hand);
    EXPECT_FALSE(animal);
}

std::string ProgramFolder()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

class RealContent : public ::testing::Test {
protected:
    RealContent()
    {
        rec.performRenames = false;  // the built media folders stay as they are
        rec.exe = ProgramFolder() + "qinghe";
        games::RegisterLessons();
    }
    template <class T>
    T& open(const char* className)
    {
        screen = testing_support::OpenShown(className);
        return static_cast<T&>(*screen);
    }
    RecordingPlatform rec;
    std::unique_ptr<frame::LessonScreen> screen;
};

TEST_F(RealContent, ImagineShowsTenAnimalsAndTheirCloseUp)
{
    auto& quiz = open<TFM_FaSanSiwei>("TFM_FaSanSiwei");
    for (const char* name : {"Image1", "Image5", "Image10", "img000", "Image12"})
        EXPECT_TRUE(FindAs<platform::TImage>(screen.get(), name)->hasPicture()) << name;
    SaveShot(screen.get(), "TFM_FaSanSiwei");
    const auto right = std::find(quiz.ShownAnimal.begin(), quiz.ShownAnimal.end(), quiz.ClueAnimal);
    ASSERT_NE(right, quiz.ShownAnimal.end());
    ASSERT_TRUE(Click(screen.get(), "Image" + std::to_string(right - quiz.ShownAnimal.begin() + 1)));
    SaveShot(screen.get(), "TFM_FaSanSiwei_right");
    ASSERT_TRUE(Click(screen.get(), right == quiz.ShownAnimal.begin() ? "Image2" : "Image1"));
    SaveShot(screen.get(), "TFM_FaSanSiwei_wrong");

    // Every animal beside its close-up, for a look.
    if (const QString dir = qEnvironmentVariable("QH_SHOTS_DIR"); !dir.isEmpty()) {
        QImage sheet(5 * 230, 5 * 115, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        for (int n = 1; n <= games::kImagineAnimals; ++n) {
            const QPoint at(((n - 1) % 5) * 230, ((n - 1) / 5) * 115);
            p.drawImage(at,
                        platform::loadPictureResource(std::string("FS") + games::AnimalKeyTable[static_cast<size_t>(n)])
                            .image());
            p.drawImage(
                at + QPoint(115, 0),
                platform::loadPictureResource(std::string("FS") + games::ClueKeyTable[static_cast<size_t>(n)]).image());
        }
        p.end();
        sheet.save(QDir(dir).filePath("imagine_animals.png"));
    }
}

// Each close-up is drawn from its own animal, the 25 animals differ, and the
// built close-up shows a good share of animal, not mostly background: a part
// a kid can tell the animal by.
TEST_F(RealContent, EveryCloseUpShowsAGoodPartOfItsOwnAnimal)
{
    content::Manifest m;
    games::addContent(m);
    const auto find = [&](const std::string& name) -> const content::Picture* {
        for (const content::Picture& p : m.pictures)
            if (p.name == name)
                return &p;
        return nullptr;
    };
    std::set<std::string> animals;
    for (int n = 1; n <= games::kImagineAnimals; ++n) {
        const std::string wholeName =
            platform::UpperCase(std::string("FS") + games::AnimalKeyTable[static_cast<size_t>(n)]);
        const std::string partName =
            platform::UpperCase(std::string("FS") + games::ClueKeyTable[static_cast<size_t>(n)]);
        SCOPED_TRACE(partName);
        const content::Picture* whole = find(wholeName);
        const content::Picture* part = find(partName);
        ASSERT_TRUE(whole && part);
        EXPECT_EQ(part->emoji, whole->emoji) << "the close-up is of the same animal";
        animals.insert(whole->emoji);
        const QImage img = platform::loadPictureResource(partName).image();
        ASSERT_FALSE(img.isNull());
        const QColor background = QColor::fromRgb(part->background);
        int animal = 0, all = 0;
        // Inside the white rim.
        for (int y = 8; y < img.height() - 8; ++y)
            for (int x = 8; x < img.width() - 8; ++x, ++all) {
                const QColor c = img.pixelColor(x, y);
                if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                        std::abs(c.blue() - background.blue()) >
                    60)
                    ++animal;
            }
        EXPECT_GT(animal * 100, all * 30) << animal << " of " << all << " pixels show the animal";
    }
    EXPECT_EQ(animals.size(), 25u) << "25 different animals";
}

TEST_F(RealContent, RescueReadsTheTrappedAnimalFromItsMediaFolder)
{
    auto& game = open<TFM_Password>("TFM_Password");
    SaveShot(screen.get(), "TFM_Password_start");
    ASSERT_TRUE(Click(screen.get(), "img_start"));
    EXPECT_TRUE(FindAs<platform::TImage>(screen.get(), "img_help")->hasPicture())
        << "read from " << ProgramFolder() << "password/";
    EXPECT_FALSE(game.RescueAnimal.empty());
    const std::string code = TextOf(screen.get(), "lb1");
    ASSERT_EQ(code.size(), 6u);
    const auto key = [](char c) {
        for (const games::RescueKey& k : games::kRescueKeys)
            if (k.caption[0] == c)
                return std::string(k.button);
        return std::string();
    };
    for (size_t i = 0; i < 3; ++i)
        ASSERT_TRUE(Click(screen.get(), key(code[i])));
    SaveShot(screen.get(), "TFM_Password_typing");
    for (size_t i = 3; i < 6; ++i)
        ASSERT_TRUE(Click(screen.get(), key(code[i])));
    ASSERT_TRUE(Click(screen.get(), "btnEnter"));
    EXPECT_EQ(game.RescueDone, 1);
    SaveShot(screen.get(), "TFM_Password_rescued");

    if (const QString dir = qEnvironmentVariable("QH_SHOTS_DIR"); !dir.isEmpty()) {
        QImage sheet(5 * 245, 4 * 245, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        for (int n = 1; n <= games::kRescueAnimals; ++n) {
            const std::string k = games::RescueKeyTable[static_cast<size_t>(n)];
            const QPoint at(((n - 1) % 5) * 245, ((n - 1) / 5) * 490);
            p.drawImage(at, QImage(QString::fromStdString(games::RescuePictureFile(ProgramFolder() + "password/", k))));
            p.drawImage(at + QPoint(0, 180), platform::loadPictureResource("PSWT" + k).image());
        }
        p.end();
        sheet.save(QDir(dir).filePath("rescue_animals.png"));
    }
}

}  // namespace
