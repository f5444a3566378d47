// The main window with its real, embedded pictures: every page shows a
// distinct icon in every visible slot, over its frame and background.
#include "app/Main_Form.h"
#include "platform/pictures.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"
#include "ui_main_form.h"

#include <gtest/gtest.h>

#include <set>

using namespace testing_support;

namespace {

// A picture's pixels as one comparable text.
QByteArray pixelsOf(const platform::TImage* image)
{
    const QImage img = image->picture().image().convertToFormat(QImage::Format_RGB32);
    return QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
}

// How many distinct colours a picture has: a blank or flat one has few.
int coloursOf(const platform::TImage* image)
{
    const QImage img = image->picture().image().convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colours;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            colours.insert(img.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(MainWindowContent, EmbeddedPicturesAreFoundByTheStoreInAnyCase)
{
    for (const char* name : {"mainformt001", "MAINFORMT051", "MainForm_Frame", "frame_button", "FRAME_BACKGROUND"})
        EXPECT_FALSE(platform::loadPictureResource(name).isNull()) << name;
}

TEST(MainWindowContent, EveryPageShowsADistinctIconInEachVisibleSlot)
{
    RecordingPlatform rec;
    TMainForm form;
    form.Create();
    form.show();
    std::set<QByteArray> icons;
    for (int page = 0; page <= catalogue::kMenuLastPage; ++page) {
        for (int k = 0; k < catalogue::kMenuSlots; ++k) {
            if (!catalogue::FindMenuEntry(page, k))
                continue;
            SCOPED_TRACE("page " + std::to_string(page) + " slot " + std::to_string(k));
            const auto& slot = form.Slot(k);
            ASSERT_TRUE(slot.icon->hasPicture());
            EXPECT_EQ(slot.icon->picture().size(), QSize(100, 100));
            EXPECT_GT(coloursOf(slot.icon), 20) << "an icon must show something";
            EXPECT_TRUE(icons.insert(pixelsOf(slot.icon)).second) << "the same icon as another lesson";
            EXPECT_TRUE(slot.frame->hasPicture());
        }
        SaveShot(&form, "mainform_page" + std::to_string(page));
        if (page < catalogue::kMenuLastPage) {
            ASSERT_TRUE(Click(&form, "btn_NextPage"));
        }
    }
    EXPECT_EQ(icons.size(), catalogue::kMenu.size());
    for (const char* image : {"Image2", "Image6", "Image7", "Image8"}) {
        EXPECT_TRUE(FindAs<platform::TImage>(&form, image)->hasPicture()) << image;
    }
}

}  // namespace
