// Decoded pictures kept by name, so a picture shown again (one frame picture
// on ten menu slots, the menu's icons on every redraw, a lesson opened again)
// is not read and decoded again. Pictures share their pixels with the
// widgets that show them, so a picture on screen costs nothing extra; only
// pictures no longer shown anywhere count against the cache's bound.
#pragma once

#include "platform/pictures.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

class PictureCache {
public:
    using Decoder = std::function<Picture(const QString& key)>;

    // spareLimit: bytes of pictures no longer shown that the cache may keep.
    explicit PictureCache(qsizetype spareLimit);
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The picture of key, decoded with `decode` when not kept yet; an error
    // of `decode` passes on and nothing is kept. A key the background worker
    // is decoding is waited for.
    Picture get(const QString& key, const Decoder& decode);
    // Decodes keys on a worker thread ahead of their use, in order (keys in
    // the order of their first use: a thread asking for a key the worker is
    // at waits for it). Keys that fail are left to get(). Returns at once.
    // Image decoding needs the application object: prefetch after it exists.
    void prefetch(std::vector<QString> keys, Decoder decode);
    // Blocks until the worker has finished.
    void waitForPrefetch();
    // Stops the worker after the picture at hand, keeping what it decoded.
    void stopPrefetch();
    // Lets go of the least recently used pictures that nothing shows any
    // more, down to the bound (also done on every new picture kept).
    void trim();
    // Forgets every kept picture (stops the worker first).
    void clear();

    bool contains(const QString& key) const;
    size_t count() const;
    // Bytes of kept pictures that nothing else shares any more (pictures
    // decoded ahead and not asked for yet not counted).
    qsizetype spareBytes() const;

private:
    struct Entry {
        Picture picture;
        qsizetype bytes = 0;
        uint64_t lastUse = 0;
        bool awaitingUse = false;  // decoded ahead and not asked for yet: never let go
    };
    void insertLocked(const QString& key, Picture picture, bool awaitingUse = false);
    void evictLocked();
    qsizetype spareBytesLocked() const;

    const qsizetype spareLimit_;
    mutable std::mutex mutex_;
    std::condition_variable decoded_;
    bool stopping_ = false;
    QHash<QString, Entry> entries_;
    QSet<QString> pending_;  // keys the worker is decoding right now
    uint64_t clock_ = 0;
    std::thread worker_;
};

// The cache of the embedded pictures that loadPictureResource reads through.
PictureCache& embeddedPictureCache();
// Decodes the named embedded pictures in the background, so the first screen
// finds them ready. Called before the application object exists, it leaves
// the pictures only Qt's reader decodes (PNG, unusual BMPs) to their first
// use. Does nothing while a test's resource source is installed.
void prefetchPictures(const std::vector<std::string>& names);

}  // namespace platform
