// The games' content declarations cover every picture and sound the three
// pair-match screens name, in the screens' own media folders.
#include "lessons/games/games.h"
#include "lessons/games/pair_match_tables.h"
#include "resources/content.h"
#include "lessons/games/pair_match_quiz.h"
#include "resources/menu_catalogue.h"
#include "tests/games/pair_match_harness.h"

#include <map>
#include <set>

using namespace pair_test;

namespace {

struct Declared {
    Declared()
    {
        content::Manifest m;
        games::addContent(m);
        for (const content::Picture& p : m.pictures) {
            EXPECT_TRUE(pictures.emplace(p.name, p).second) << "declared twice: " << p.name;
        }
        for (const content::Sound& s : m.sounds)
            EXPECT_TRUE(sounds.insert(catalogue::FolderPath(s.folder.c_str()) + s.name).second)
                << "declared twice: " << s.folder << s.name;
        screens.insert(m.screens.begin(), m.screens.end());
    }
    std::map<std::string, content::Picture> pictures;
    std::set<std::string> sounds;
    std::set<std::string> screens;
};

TEST(PairMatchContent, EverySoundAClickCanPlayIsDeclared)
{
    const Declared d;
    for (const Lesson* l : kLessons) {
        EXPECT_TRUE(d.screens.count(l->className)) << l->className;
        std::set<std::string> names{"st", "no", "gz", l->next, l->previous};
        names.insert(l->className == "TFM_ShuZiPeiDui" ? "y" : "yes");
        for (const Row& row : l->topSound)
            names.insert(row.begin(), row.end());
        if (l->className != "TFM_ZiMuPeiDui")  // the numbers and the foods are named when clicked
            for (int n = 1; n <= 5 * l->pages(); ++n) {
                char name[8];
                std::snprintf(name, sizeof name, l->className == "TFM_ZhaoShiWu" ? "b%03d" : "%03d", n);
                names.insert(name);
            }
        for (const std::string& name : names)
            EXPECT_TRUE(d.sounds.count(l->folder + name)) << l->folder << name;
    }
}

TEST(PairMatchContent, EveryPictureTheScreensLoadIsDeclaredAtItsSize)
{
    const Declared d;
    struct Case {
        std::string name;
        int width, height;
    };
    std::vector<Case> cases{{"SZPDT001", 140, 200}, {"SZPDT002", 140, 140},    {"SZPD_MARKER", 70, 40},
                            {"ZMPD_TOP", 140, 200}, {"ZMPD_BOTTOM", 140, 140}, {"ZMPD_BAR", 70, 6},
                            {"ZSW_MARKER", 70, 70}};
    for (int n = 1; n <= 15; ++n) {
        char animal[16], food[16];
        std::snprintf(animal, sizeof animal, "ZSWT%03d", n);
        std::snprintf(food, sizeof food, "ZSWTB%03d", n);
        cases.push_back({animal, 140, 140});
        cases.push_back({food, 140, 140});
    }
    for (const Case& c : cases) {
        auto it = d.pictures.find(c.name);
        ASSERT_NE(it, d.pictures.end()) << c.name;
        EXPECT_EQ(it->second.width, c.width) << c.name;
        EXPECT_EQ(it->second.height, c.height) << c.name;
    }
}

TEST(PairMatchContent, AnAnimalThatIsAlsoAFoodLooksTheSameInBothRows)
{
    const Declared d;
    const std::pair<const char*, const char*> same[] = {
        {"ZSWT001", "ZSWTB002"},  // 青蛙: eats 虫子, and is the food of 蛇
        {"ZSWT002", "ZSWTB011"},  // 蛇 and 小蛇, the eagle's food
    };
    for (const auto& [animal, food] : same)
        EXPECT_EQ(d.pictures.at(animal).emoji, d.pictures.at(food).emoji) << animal << " " << food;
    EXPECT_EQ(d.pictures.at("ZSWTB002").text, "青蛙");
}

class NumberValuePlayer : public ::testing::Test, public PairFixture {};

TEST_F(NumberValuePlayer, AValueWithoutASoundOnlyStopsTheCurrentOne)
{
    open(NumeralMatch());
    auto* quiz = dynamic_cast<games::PairMatchQuiz*>(screen.get());
    ASSERT_NE(quiz, nullptr);
    rec.clear();
    quiz->PlayQuizSound(games::NumberValueSound(12));
    EXPECT_EQ(rec.log, testing_support::StopSteps("st"));
    EXPECT_EQ(screen->CurrentSoundAlias, "");
}

}  // namespace
