// The program's own pictures through the store's cache, and the main
// window's first frame prepared ahead: the same pictures in every place,
// whether decoded on the spot, kept from before or decoded in the background.
#include "app/Main_Form.h"
#include "platform/picture_cache.h"
#include "platform/pictures.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using platform::Picture;

bool embeddedPicturesBuilt()
{
    const auto names = platform::resourceNames(platform::ResourceKind::Picture);
    return std::find(names.begin(), names.end(), QStringLiteral("MAINFORMT001")) != names.end();
}

// The picture decoded straight from its embedded bytes, past every cache.
Picture decodedDirectly(const std::string& name)
{
    const auto bytes =
        platform::embeddedResource(QString::fromStdString(name).toUpper(), platform::ResourceKind::Picture);
    if (!bytes)
        return {};
    return platform::decodePicture(*bytes);
}

bool samePixels(const Picture& a, const Picture& b)
{
    if (a.frames.size() != b.frames.size())
        return false;
    for (size_t i = 0; i < a.frames.size(); ++i)
        if (a.frames[i].convertToFormat(QImage::Format_ARGB32) != b.frames[i].convertToFormat(QImage::Format_ARGB32))
            return false;
    return a.delaysMs == b.delaysMs;
}

class EmbeddedPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!embeddedPicturesBuilt())
            GTEST_SKIP() << "the program's pictures are not built";
        platform::embeddedPictureCache().clear();
    }
    void TearDown() override { platform::embeddedPictureCache().clear(); }
};

TEST_F(EmbeddedPictures, ANameAskedForAgainIsTheSamePictureInAnyCase)
{
    const Picture first = platform::loadPictureResource("mainformt001");
    const Picture upper = platform::loadPictureResource("MAINFORMT001");
    const Picture mixed = platform::loadPictureResource("MainFormT001");
    EXPECT_EQ(upper.image().cacheKey(), first.image().cacheKey());
    EXPECT_EQ(mixed.image().cacheKey(), first.image().cacheKey());
    EXPECT_TRUE(samePixels(first, decodedDirectly("mainformt001")));
    // Another icon is another picture.
    EXPECT_NE(platform::loadPictureResource("mainformt002").image().cacheKey(), first.image().cacheKey());
}

TEST_F(EmbeddedPictures, AMissingNameFailsEveryTimeWithTheClassLibrarysMessage)
{
    for (int i = 0; i < 2; ++i) {
        try {
            platform::loadPictureResource("nosuchpicture");
            ADD_FAILURE() << "no error";
        } catch (const platform::EResNotFound& e) {
            EXPECT_STREQ(e.what(), "Resource nosuchpicture not found");
        }
    }
}

TEST_F(EmbeddedPictures, ATestsOwnSourceIsReadFreshEachTime)
{
    const Picture embedded = platform::loadPictureResource("mainformt001");
    {
        testing_support::FakePictures fake;
        fake.add("mainformt001", 8, 8, Qt::red);
        EXPECT_EQ(platform::loadPictureResource("mainformt001").image().pixel(4, 4), QColor(Qt::red).rgb());
        fake.add("mainformt001", 8, 8, Qt::blue);
        EXPECT_EQ(platform::loadPictureResource("mainformt001").image().pixel(4, 4), QColor(Qt::blue).rgb());
    }
    EXPECT_TRUE(samePixels(platform::loadPictureResource("mainformt001"), embedded));
}

TEST_F(EmbeddedPictures, TheFirstFrameListsAreExactlyWhatTheNewMainWindowShows)
{
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media(rec);
    TMainForm menu;
    menu.Create();
    const auto names = TMainForm::FirstFramePictures();
    std::set<QString> listed;
    for (const std::string& n : names) {
        listed.insert(QString::fromStdString(n).toUpper());
        EXPECT_TRUE(platform::embeddedPictureCache().contains(QString::fromStdString(n).toUpper()))
            << n << " not shown";
    }
    // Nothing else was loaded: every picture the window shows is listed.
    EXPECT_EQ(platform::embeddedPictureCache().count(), listed.size());
    // And every family its text is drawn in is prepared ahead.
    const QStringList prepared = TMainForm::FirstFrameFamilies();
    for (const QWidget* w : menu.findChildren<QWidget*>()) {
        if (w->isVisibleTo(&menu)) {
            EXPECT_TRUE(prepared.contains(w->font().family()))
                << w->objectName().toStdString() << ": " << w->font().family().toStdString();
        }
    }
}

TEST_F(EmbeddedPictures, APreparedFirstFrameShowsTheSamePictures)
{
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media(rec);
    // Asked for while the worker is still at them, as at start-up.
    platform::prefetchPictures(TMainForm::FirstFramePictures());
    TMainForm menu;
    menu.Create();
    platform::embeddedPictureCache().waitForPrefetch();
    for (int k = 0; k < catalogue::kMenuSlots; ++k) {
        char name[16];
        std::snprintf(name, sizeof name, "mainformt%03d", k + 1);
        EXPECT_TRUE(samePixels(menu.Slot(k).icon->picture(), decodedDirectly(name))) << name;
        EXPECT_TRUE(samePixels(menu.Slot(k).frame->picture(), decodedDirectly("mainform_frame"))) << k;
    }
    for (const auto* image : menu.findChildren<platform::TImage*>()) {
        if (image->pictureName().isEmpty())
            continue;
        EXPECT_TRUE(samePixels(image->picture(), decodedDirectly(image->pictureName().toStdString())))
            << image->objectName().toStdString();
    }
    // Paging on and back shows page 0's icons again, the same ones.
    menu.btn_NextPageClick();
    EXPECT_TRUE(samePixels(menu.Slot(0).icon->picture(), decodedDirectly("mainformt011")));
    menu.btn_lastpageClick();
    EXPECT_TRUE(samePixels(menu.Slot(0).icon->picture(), decodedDirectly("mainformt001")));
}

}  // namespace
