#include "platform/picture_cache.h"

#include <algorithm>

namespace platform {

namespace {

qsizetype bytesOf(const Picture& picture)
{
    qsizetype n = 0;
    for (const QImage& f : picture.frames)
        n += f.sizeInBytes();
    return n;
}

// Only the cache still refers to the picture's pixels.
bool unshared(const Picture& picture)
{
    return std::all_of(picture.frames.begin(), picture.frames.end(), [](const QImage& f) { return f.isDetached(); });
}

// Room for the menu's icons of a few pages and a lesson's small pictures;
// memory stays that of what is open plus this.
constexpr qsizetype kSpareLimit = 2 * 1024 * 1024;

}  // namespace

PictureCache::PictureCache(qsizetype spareLimit) : spareLimit_(spareLimit) {}

PictureCache::~PictureCache()
{
    stopPrefetch();
}

Picture PictureCache::get(const QString& key, const Decoder& decode)
{
    {
        std::unique_lock lock(mutex_);
        decoded_.wait(lock, [&] { return !pending_.contains(key); });
        const auto it = entries_.find(key);
        if (it != entries_.end()) {
            it->lastUse = ++clock_;
            it->awaitingUse = false;
            return it->picture;
        }
        pending_.insert(key);  // the worker leaves it to this thread
    }
    Picture picture;
    try {
        picture = decode(key);
    } catch (...) {
        std::lock_guard lock(mutex_);
        pending_.remove(key);
        decoded_.notify_all();
        throw;
    }
    std::lock_guard lock(mutex_);
    insertLocked(key, picture);
    pending_.remove(key);
    decoded_.notify_all();
    return picture;
}

void PictureCache::prefetch(std::vector<QString> keys, Decoder decode)
{
    stopPrefetch();
    worker_ = std::thread([this, keys = std::move(keys), decode = std::move(decode)] {
        for (const QString& key : keys) {
            {
                std::lock_guard lock(mutex_);
                if (stopping_)
                    return;
                if (entries_.contains(key) || pending_.contains(key))
                    continue;
                pending_.insert(key);
            }
            Picture picture;
            try {
                picture = decode(key);
            } catch (...) {
                // get() decodes it again and reports the error where it is used.
            }
            std::lock_guard lock(mutex_);
            if (!picture.isNull())
                insertLocked(key, std::move(picture), true);
            pending_.remove(key);
            decoded_.notify_all();
        }
    });
}

void PictureCache::waitForPrefetch()
{
    if (worker_.joinable())
        worker_.join();
}

void PictureCache::stopPrefetch()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    if (worker_.joinable())
        worker_.join();
    std::lock_guard lock(mutex_);
    stopping_ = false;
}

void PictureCache::trim()
{
    std::lock_guard lock(mutex_);
    evictLocked();
}

void PictureCache::clear()
{
    stopPrefetch();
    std::lock_guard lock(mutex_);
    entries_.clear();
}

bool PictureCache::contains(const QString& key) const
{
    std::lock_guard lock(mutex_);
    return entries_.contains(key);
}

size_t PictureCache::count() const
{
    std::lock_guard lock(mutex_);
    return static_cast<size_t>(entries_.size());
}

qsizetype PictureCache::spareBytes() const
{
    std::lock_guard lock(mutex_);
    return spareBytesLocked();
}

void PictureCache::insertLocked(const QString& key, Picture picture, bool awaitingUse)
{
    Entry& e = entries_[key];
    e.bytes = bytesOf(picture);
    e.picture = std::move(picture);
    e.lastUse = ++clock_;
    e.awaitingUse = awaitingUse;
    evictLocked();
}

qsizetype PictureCache::spareBytesLocked() const
{
    qsizetype n = 0;
    for (const Entry& e : entries_)
        if (!e.awaitingUse && unshared(e.picture))
            n += e.bytes;
    return n;
}

void PictureCache::evictLocked()
{
    qsizetype spare = spareBytesLocked();
    while (spare > spareLimit_) {
        auto oldest = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (!it->awaitingUse && unshared(it->picture) &&
                (oldest == entries_.end() || it->lastUse < oldest->lastUse))
                oldest = it;
        if (oldest == entries_.end())
            return;
        spare -= oldest->bytes;
        entries_.erase(oldest);
    }
}

PictureCache& embeddedPictureCache()
{
    static PictureCache cache(kSpareLimit);
    return cache;
}

}  // namespace platform
