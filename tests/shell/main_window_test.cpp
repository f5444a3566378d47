#include <set>
// The main window: creation, the menu pages and their edge cases, the exit
// question and the system's close command.
#include "app/Main_Form.h"
#include "resources/menu_catalogue.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"
#include "tests/support/window_system.h"
#include "ui_main_form.h"

#include <QMenu>
#include <QWindow>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const char* const kSlotButtons[] = {"btn_a1", "btn_a2", "btn_a3", "btn_a4", "btn_a5",
                                    "btn_b1", "btn_b2", "btn_b3", "btn_b4", "btn_b5"};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { pictures.addFamily("MAINFORMT", 1, 51); }

    // The main window, created and shown, with an empty log.
    TMainForm& open()
    {
        form = std::make_unique<TMainForm>();
        form->Create();
        form->show();
        return *form;
    }
    std::string folder() const { return media.programFolder() + "mainform/"; }
    // The fixed colour of icon number n, as FakePictures draws it.
    static std::string iconColour(int n) { return QColor::fromHsv((n * 37) % 360, 200, 200).name().toStdString(); }
    std::string shownIcon(int slot) const { return CentreColour(form->Slot(slot).icon->picture()); }
    bool slotVisible(int slot) const
    {
        const auto& s = form->Slot(slot);
        return s.button->isVisible() && s.icon->isVisible() && s.frame->isVisible();
    }
    void expectPage(int page)
    {
        ASSERT_EQ(form->PageIndex(), page);
        for (int k = 0; k < 10; ++k) {
            const auto* entry = catalogue::FindMenuEntry(page, k);
            if (entry) {
                EXPECT_EQ(form->Slot(k).caption->text().toStdString(), entry->caption) << page << "." << k;
                EXPECT_EQ(shownIcon(k), iconColour(page * 10 + k + 1)) << page << "." << k;
                EXPECT_TRUE(slotVisible(k)) << page << "." << k;
            } else {
                EXPECT_EQ(form->Slot(k).caption->text().toStdString(), "") << page << "." << k;
                EXPECT_FALSE(form->Slot(k).button->isVisible() || form->Slot(k).icon->isVisible() ||
                             form->Slot(k).frame->isVisible())
                    << page << "." << k;
            }
        }
        EXPECT_EQ(form->Widgets()->btn_lastpage->isEnabled(), page > 0);
        EXPECT_EQ(form->Widgets()->btn_NextPage->isEnabled(), page < 5);
    }

    RecordingPlatform rec;
    MediaFixture media{rec};
    FakePictures pictures;
    std::unique_ptr<TMainForm> form;
};

TEST_F(MainWindowTest, CreationShowsPageZeroAndWelcomes)
{
    open();
    EXPECT_EQ(rec.log, PlaySteps(folder(), "kj"));
    EXPECT_EQ(form->CurrentSoundAlias, "kj");
    EXPECT_EQ(form->MediaFolder, folder());
    EXPECT_EQ(form->SelectedSlot, 0);
    expectPage(0);
    EXPECT_EQ(form->windowTitle().toStdString(), "青禾幼儿智能早教系统");
    EXPECT_FALSE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form->size(), QSize(784, 562));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    ASSERT_NE(form->help, nullptr);
    EXPECT_EQ(form->help->title().toStdString(), "帮助信息");
    EXPECT_EQ(form->help->actions().size(), 3);
}

TEST_F(MainWindowTest, PagingThroughAllPagesAndBack)
{
    open();
    struct Step {
        const char* button;
        int page;
        const char* sound;
    } steps[] = {
        {"btn_NextPage", 1, "n"}, {"btn_NextPage", 2, "n"}, {"btn_NextPage", 3, "n"}, {"btn_NextPage", 4, "n"},
        {"btn_NextPage", 5, "n"}, {"btn_lastpage", 4, "l"}, {"btn_lastpage", 3, "l"}, {"btn_NextPage", 4, "n"},
        {"btn_lastpage", 3, "l"}, {"btn_lastpage", 2, "l"}, {"btn_lastpage", 1, "l"}, {"btn_lastpage", 0, "l"},
    };
    std::string current = "kj";
    for (const Step& s : steps) {
        rec.clear();
        ASSERT_TRUE(Click(form.get(), s.button)) << s.button << " to page " << s.page;
        expectPage(s.page);
        EXPECT_EQ(rec.log, Steps({StopSteps(current), PlaySteps(folder(), s.sound)})) << "to page " << s.page;
        current = s.sound;
    }
    // Disabled buttons take no click.
    EXPECT_FALSE(Click(form.get(), "btn_lastpage"));
    EXPECT_EQ(form->PageIndex(), 0);
}

TEST_F(MainWindowTest, LastPageHoldsOnlyTheRiddles)
{
    open();
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Click(form.get(), "btn_NextPage"));
    expectPage(5);
    EXPECT_EQ(form->Slot(0).caption->text().toStdString(), "猜谜语");
    EXPECT_FALSE(Click(form.get(), "btn_NextPage"));
    for (int k = 1; k < 10; ++k)
        EXPECT_FALSE(Click(form.get(), kSlotButtons[k])) << k;
    ASSERT_TRUE(Click(form.get(), "btn_lastpage"));
    expectPage(4);
}

TEST_F(MainWindowTest, MissingIconEndsTheRedrawThere)
{
    pictures.remove("MAINFORMT014");  // page 1, slot 3
    open();
    ASSERT_TRUE(Click(form.get(), "btn_NextPage"));
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(form->Slot(k).caption->text().toStdString(), catalogue::FindMenuEntry(1, k)->caption);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(shownIcon(k), iconColour(11 + k)) << k;
    for (int k = 3; k < 10; ++k)
        EXPECT_EQ(shownIcon(k), iconColour(1 + k)) << "slot " << k << " keeps page 0's icon";
    // The page sound still plays.
    EXPECT_EQ(form->CurrentSoundAlias, "n");
}

TEST_F(MainWindowTest, MissingLastIconLeavesTheFreeSlotsShown)
{
    pictures.remove("MAINFORMT051");
    open();
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Click(form.get(), "btn_NextPage"));
    EXPECT_EQ(form->Slot(0).caption->text().toStdString(), "猜谜语");
    EXPECT_EQ(form->Slot(1).caption->text().toStdString(), "x");
    EXPECT_TRUE(slotVisible(1));
}

TEST_F(MainWindowTest, ExitQuestionAnsweredNoKeepsEverything)
{
    open();
    ASSERT_TRUE(Click(form.get(), "btn_NextPage"));
    rec.clear();
    rec.dialogAnswers = {platform::mrNo};
    ASSERT_TRUE(Click(form.get(), "btn_backlasmenu"));
    EXPECT_EQ(rec.log,
              Steps({StopSteps("n"), PlaySteps(folder(), "re"), {AskLine("小朋友,确定要关闭系统吗?"), "answer 7"}}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->CurrentSoundAlias, "re");
    expectPage(1);
    rec.clear();
    ASSERT_TRUE(Click(form.get(), "btn_NextPage"));
    EXPECT_EQ(rec.log, Steps({StopSteps("re"), PlaySteps(folder(), "n")}));
}

TEST_F(MainWindowTest, ExitQuestionAnsweredYesClosesTheWindow)
{
    open();
    rec.clear();
    rec.dialogAnswers = {platform::mrYes};
    ASSERT_TRUE(Click(form.get(), "btn_backlasmenu"));
    EXPECT_EQ(rec.log,
              Steps({StopSteps("kj"), PlaySteps(folder(), "re"), {AskLine("小朋友,确定要关闭系统吗?"), "answer 6"}}));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, SystemCloseCommandClosesWithoutQuestionOrSound)
{
    open();
    rec.clear();
    form->sendSysCommand(platform::SC_MOVE);
    form->sendSysCommand(platform::SC_SIZE + 3);
    EXPECT_TRUE(form->isVisible());
    form->sendSysCommand(platform::SC_CLOSE);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(MainWindowTest, WindowManagersCloseIsTheSystemCloseCommand)
{
    open();
    rec.clear();
    ASSERT_NE(form->windowHandle(), nullptr);
    WindowManagerClose(form.get());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(MainWindowTest, MenuCatalogueIsConsistent)
{
    std::set<std::pair<int, int>> places;
    std::set<std::string> classes;
    for (const auto& e : catalogue::kMenu) {
        EXPECT_TRUE(places.insert({e.page, e.slot}).second) << e.className;
        EXPECT_TRUE(classes.insert(e.className).second) << e.className;
        char icon[32];
        std::snprintf(icon, sizeof icon, "mainformt%03d", e.page * 10 + e.slot + 1);
        EXPECT_STREQ(e.icon, icon);
        EXPECT_EQ(catalogue::MenuCaption(e.slot, e.page), e.caption);
        const std::string folder = e.folder;
        EXPECT_EQ(folder.back(), '\\') << e.className;
    }
    for (int k = 1; k < 10; ++k)
        EXPECT_EQ(catalogue::MenuCaption(k, 5), "x");
    EXPECT_EQ(catalogue::FolderPath("pinyin\\yunmu\\"), "pinyin/yunmu/");
}

}  // namespace
