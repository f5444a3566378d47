// The picture cache: a picture asked for again is the same picture without a
// second decode, errors are never kept, only pictures nothing else shows are
// bounded, and the background worker hands over what it decoded.
#include "platform/picture_cache.h"

#include <QColor>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

using platform::Picture;
using platform::PictureCache;

// A decoder of square pictures whose colour and side come from the key
// ("red:10"), counting its calls per key; "bad:*" keys fail.
class CountingDecoder {
public:
    Picture operator()(const QString& key)
    {
        {
            std::lock_guard lock(m_);
            ++calls_[key];
        }
        if (delay_.count() > 0)
            std::this_thread::sleep_for(delay_);
        const QStringList parts = key.split(':');
        if (parts[0] == "bad")
            throw std::runtime_error("cannot decode " + key.toStdString());
        const int side = parts.size() > 1 ? parts[1].toInt() : 4;
        QImage img(side, side, QImage::Format_RGB32);
        img.fill(QColor(parts[0]));
        Picture p;
        p.frames.push_back(img);
        return p;
    }
    int calls(const QString& key)
    {
        std::lock_guard lock(m_);
        return calls_[key];
    }
    std::chrono::milliseconds delay_{0};

private:
    std::mutex m_;
    std::map<QString, int> calls_;
};

PictureCache::Decoder by(CountingDecoder& d)
{
    return [&d](const QString& key) { return d(key); };
}

qsizetype bytesOfSide(int side)
{
    return static_cast<qsizetype>(side) * side * 4;
}

TEST(PictureCache, SecondRequestSharesTheFirstDecodeAndItsPixels)
{
    PictureCache cache(1 << 20);
    CountingDecoder decode;
    const Picture first = cache.get("red:8", by(decode));
    const Picture again = cache.get("red:8", by(decode));
    EXPECT_EQ(decode.calls("red:8"), 1);
    ASSERT_FALSE(again.isNull());
    EXPECT_EQ(again.image().cacheKey(), first.image().cacheKey());
    EXPECT_EQ(again.image().pixel(3, 3), QColor("red").rgb());
    // Another name is another picture.
    const Picture blue = cache.get("blue:8", by(decode));
    EXPECT_EQ(blue.image().pixel(0, 0), QColor("blue").rgb());
    EXPECT_EQ(cache.count(), 2u);
}

TEST(PictureCache, ChangingACopyLeavesTheKeptPictureAsItWas)
{
    PictureCache cache(1 << 20);
    CountingDecoder decode;
    Picture mine = cache.get("red:4", by(decode));
    mine.frames[0].fill(Qt::green);
    EXPECT_EQ(cache.get("red:4", by(decode)).image().pixel(1, 1), QColor("red").rgb());
    EXPECT_EQ(decode.calls("red:4"), 1);
}

TEST(PictureCache, AFailedDecodePassesOnAndIsTriedAgainNextTime)
{
    PictureCache cache(1 << 20);
    CountingDecoder decode;
    EXPECT_THROW(cache.get("bad:1", by(decode)), std::runtime_error);
    EXPECT_THROW(cache.get("bad:1", by(decode)), std::runtime_error);
    EXPECT_EQ(decode.calls("bad:1"), 2);
    EXPECT_FALSE(cache.contains("bad:1"));
}

TEST(PictureCache, KeepsOnlyTheNewestUnshownPicturesWithinItsBound)
{
    // Room for two unshown 16 by 16 pictures.
    PictureCache cache(2 * bytesOfSide(16));
    CountingDecoder decode;
    cache.get("red:16", by(decode));
    cache.get("green:16", by(decode));
    cache.get("blue:16", by(decode));
    cache.trim();  // as after a lesson closes: the oldest unshown one (red) goes
    EXPECT_FALSE(cache.contains("red:16"));
    EXPECT_TRUE(cache.contains("green:16"));
    EXPECT_TRUE(cache.contains("blue:16"));
    EXPECT_LE(cache.spareBytes(), 2 * bytesOfSide(16));
    // Using green again makes blue the oldest.
    cache.get("green:16", by(decode));
    cache.get("yellow:16", by(decode));
    cache.trim();
    EXPECT_TRUE(cache.contains("green:16"));
    EXPECT_FALSE(cache.contains("blue:16"));
}

TEST(PictureCache, PicturesStillShownAreKeptAndCostNothingAgainstTheBound)
{
    PictureCache cache(bytesOfSide(16));
    CountingDecoder decode;
    // Widgets holding these pictures: their pixels are shared, not spare.
    std::vector<Picture> shown;
    for (const char* key : {"red:16", "green:16", "blue:16", "gray:16"})
        shown.push_back(cache.get(key, by(decode)));
    EXPECT_EQ(cache.count(), 4u);
    EXPECT_EQ(cache.spareBytes(), 0);
    for (const char* key : {"red:16", "green:16", "blue:16", "gray:16"})
        cache.get(key, by(decode));
    EXPECT_EQ(decode.calls("red:16"), 1);
    // Once no longer shown, a new picture or a trim brings them to the bound.
    shown.clear();
    cache.get("white:16", by(decode));
    EXPECT_LE(cache.spareBytes(), 2 * bytesOfSide(16));
    cache.trim();
    EXPECT_LE(cache.spareBytes(), bytesOfSide(16));
    EXPECT_TRUE(cache.contains("white:16"));
}

TEST(PictureCache, PrefetchedPicturesNeedNoDecodeWhenAskedFor)
{
    PictureCache cache(1 << 20);
    CountingDecoder decode;
    cache.prefetch({"red:8", "green:8", "bad:1"}, by(decode));
    cache.waitForPrefetch();
    EXPECT_TRUE(cache.contains("red:8"));
    EXPECT_EQ(cache.get("green:8", by(decode)).image().pixel(2, 2), QColor("green").rgb());
    EXPECT_EQ(decode.calls("green:8"), 1);
    // What the worker could not decode fails where it is used.
    EXPECT_FALSE(cache.contains("bad:1"));
    EXPECT_THROW(cache.get("bad:1", by(decode)), std::runtime_error);
}

TEST(PictureCache, PicturesDecodedAheadWaitForTheirFirstUseWhateverTheBound)
{
    // Room for one 16 by 16 picture, four decoded ahead.
    PictureCache cache(bytesOfSide(16));
    CountingDecoder decode;
    const std::vector<QString> keys = {"red:16", "green:16", "blue:16", "gray:16"};
    cache.prefetch(keys, by(decode));
    cache.waitForPrefetch();
    cache.trim();
    for (const QString& key : keys)
        cache.get(key, by(decode));
    for (const QString& key : keys)
        EXPECT_EQ(decode.calls(key), 1) << key.toStdString();
    // Once used and no longer shown they count like any other.
    cache.trim();
    EXPECT_LE(cache.spareBytes(), bytesOfSide(16));
    EXPECT_TRUE(cache.contains("gray:16"));
    EXPECT_FALSE(cache.contains("red:16"));
}

TEST(PictureCache, ACacheEndsWhileItsWorkerIsStillDecoding)
{
    CountingDecoder decode;
    decode.delay_ = std::chrono::milliseconds(20);
    {
        PictureCache cache(1 << 20);
        cache.prefetch({"red:8", "green:8", "blue:8"}, by(decode));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }  // as when a second copy of the program ends at once
    EXPECT_LT(decode.calls("blue:8"), 1);
}

TEST(PictureCache, AskingWhileTheWorkerDecodesGivesEachPictureOnceAndRight)
{
    PictureCache cache(1 << 20);
    CountingDecoder decode;
    decode.delay_ = std::chrono::milliseconds(5);
    const std::vector<QString> keys = {"red:8", "green:8", "blue:8", "yellow:8", "cyan:8", "magenta:8"};
    cache.prefetch(keys, by(decode));
    for (const QString& key : keys) {
        const Picture p = cache.get(key, by(decode));
        ASSERT_FALSE(p.isNull()) << key.toStdString();
        EXPECT_EQ(p.image().pixel(0, 0), QColor(key.split(':')[0]).rgb()) << key.toStdString();
    }
    cache.waitForPrefetch();
    for (const QString& key : keys)
        EXPECT_EQ(decode.calls(key), 1) << key.toStdString();
}

TEST(PictureCache, ClearForgetsEverything)
{
    PictureCache cache(1 << 20);
    CountingDecoder decode;
    cache.get("red:4", by(decode));
    cache.clear();
    EXPECT_EQ(cache.count(), 0u);
    cache.get("red:4", by(decode));
    EXPECT_EQ(decode.calls("red:4"), 2);
}

}  // namespace
