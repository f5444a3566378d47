#include "tools/content_gen/generator.h"

#include "platform/media_control.h"
#include "platform/pictures.h"
#include "platform/strings.h"
#include "tools/content_gen/pictures.h"
#include "tools/content_gen/voices.h"

#include <QCryptographicHash>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

namespace gen {

namespace fs = std::filesystem;

const char* const kPictureOverrideExtensions[5] = {"bmp", "gif", "jpg", "jpeg", "png"};
const char* const kSoundOverrideExtensions[4] = {"wav", "dat", "ogg", "mp3"};

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes through a temporary beside the target, so no reader ever sees half a file.
void writeAtomically(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    const fs::path part = path.string() + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw ContentError("cannot write " + part.string());
    }
    fs::rename(part, path);
}

std::string sha1(const std::string& text)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha1).toHex().toStdString();
}

// The one override file for a stem among the allowed extensions, if any.
template <size_t N>
std::optional<fs::path> findOverride(const fs::path& folder, const std::string& stem, const char* const (&exts)[N],
                                     bool anyCase)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return std::nullopt;
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path p = entry.path();
        const std::string ext = platform::LowerCase(p.extension().string());
        const std::string base = p.stem().string();
        if ((anyCase ? platform::LowerCase(base) == platform::LowerCase(stem) : base == stem) &&
            std::any_of(std::begin(exts), std::end(exts), [&](const char* e) { return ext == std::string(".") + e; }))
            found.push_back(p);
    }
    if (found.size() > 1)
        throw ContentError("two real files for \"" + stem + "\" in " + folder.string() + ": " +
                           found[0].filename().string() + " and " + found[1].filename().string());
    if (found.empty())
        return std::nullopt;
    return found.front();
}

// One output and how to make it.
struct Task {
    std::string key;  // state key: "P NAME", "F path" (a media-file picture) or "S path"
    fs::path output;
    std::string hash;
    std::function<void()> make;
};

struct State {
    std::map<std::string, std::pair<std::string, std::string>> entries;  // key -> (output, hash)

    static State load(const std::string& file)
    {
        State s;
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string key, output, hash;
            if (std::getline(fields, key, '\t') && std::getline(fields, output, '\t') && std::getline(fields, hash))
                s.entries[key] = {output, hash};
        }
        return s;
    }
    void save(const std::string& file) const
    {
        std::string text;
        for (const auto& [key, value] : entries)
            text += key + '\t' + value.first + '\t' + value.second + '\n';
        writeAtomically(file, text);
    }
};

// Runs the tasks on `jobs` threads; collects every failure.
void runAll(std::vector<Task*>& tasks, int jobs, std::vector<std::string>& errors, std::mutex& lock,
            const std::function<void(Task&)>& done)
{
    std::atomic<size_t> next{0};
    const auto worker = [&] {
        for (size_t i = next++; i < tasks.size(); i = next++) {
            try {
                tasks[i]->make();
                const std::lock_guard<std::mutex> guard(lock);
                done(*tasks[i]);
            } catch (const std::exception& e) {
                const std::lock_guard<std::mutex> guard(lock);
                errors.push_back(e.what());
            }
        }
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < std::max(1, jobs); ++i)
        threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads)
        t.join();
}

void checkPictureOverride(const content::Picture& picture, const fs::path& file)
{
    const QByteArray bytes = QByteArray::fromStdString(readFile(file));
    platform::Picture pic;
    try {
        pic = platform::decodePicture(bytes);
    } catch (const std::exception& e) {
        throw ContentError(file.string() + ": not a picture (" + e.what() + ")");
    }
    if (pic.size() != QSize(picture.width, picture.height))
        throw ContentError(file.string() + ": is " + std::to_string(pic.size().width()) + "x" +
                           std::to_string(pic.size().height()) + ", " + describe(picture) + " needs its declared size");
}

void checkSoundOverride(const content::Sound& sound, const fs::path& file)
{
    const std::string bytes = readFile(file);
    platform::Pcm pcm;
    const bool isWav = bytes.compare(0, 4, "RIFF") == 0;
    if (bytes.empty() || (isWav && (!platform::decodeWav(bytes, pcm) || pcm.empty())))
        throw ContentError(file.string() + ": not playable audio for " + describe(sound));
}

}  // namespace

Report generate(const Plan& plan, const Options& o)
{
    Report report;
    const State old = State::load(o.stateFile);
    State now;
    std::vector<Task> tasks;
    const fs::path pictureRoot(o.pictureDir);
    const fs::path overrides(o.overrideRoot);
    std::set<fs::path> pictureFiles;

    for (const content::Picture& picture : plan.pictures) {
        const bool raw = picture.storage == content::Storage::RawData;
        // A media file goes beside the sounds of its folder, under its own
        // name, and is not packed; real content for it lies in the same
        // folder path below the real pictures.
        const bool file = picture.storage == content::Storage::MediaFile;
        const fs::path folder = pictureRoot / (raw ? "rcdata" : "pictures");
        const fs::path realFolder = overrides / "pictures" / (file ? folderPath(picture.folder) : "");
        const auto real = o.overrideRoot.empty()
                              ? std::nullopt
                              : findOverride(realFolder, picture.name, kPictureOverrideExtensions, true);
        Task t;
        t.key = file ? "F " + mediaPicturePath(picture) : "P " + picture.name;
        const fs::path mediaFile = fs::path(o.soundRoot) / mediaPicturePath(picture);
        if (real) {
            checkPictureOverride(picture, *real);
            const std::string bytes = readFile(*real);
            t.output = file ? mediaFile : folder / (picture.name + platform::LowerCase(real->extension().string()));
            t.hash = sha1("real|" + declarationText(picture) + "|" + sha1(bytes));
            t.make = [out = t.output, bytes] { writeAtomically(out, bytes); };
        } else {
            t.output = file ? mediaFile : folder / (picture.name + "." + extensionOf(picture.format));
            t.hash = sha1(o.artVersion + "|" + declarationText(picture));
            t.make = [out = t.output, picture] {
                // One picture at a time: text and emoji drawn from several
                // threads at once can differ by a few pixels from run to run.
                static std::mutex painting;
                std::unique_lock<std::mutex> guard(painting);
                const QByteArray bytes = render(picture);
                guard.unlock();
                writeAtomically(out, bytes.toStdString());
            };
        }
        if (!file)
            pictureFiles.insert(t.output);
        tasks.push_back(std::move(t));
    }
    const size_t pictureCount = tasks.size();
    for (const content::Sound& sound : plan.sounds) {
        const fs::path output = fs::path(o.soundRoot) / soundPath(sound);
        const auto real = o.overrideRoot.empty() ? std::nullopt
                                                 : findOverride(overrides / "sounds" / folderPath(sound.folder),
                                                                sound.name, kSoundOverrideExtensions, false);
        Task t;
        t.key = "S " + soundPath(sound);
        t.output = output;
        if (real) {
            checkSoundOverride(sound, *real);
            const std::string bytes = readFile(*real);
            t.hash = sha1("real|" + sha1(bytes));
            t.make = [output, bytes] { writeAtomically(output, bytes); };
        } else {
            t.hash = sha1(o.voiceVersion + "|" + declarationText(sound));
            const std::string work = (fs::path(o.stateFile).parent_path() / "voice-work").string();
            t.make = [sound, work, output] { synthesise(sound, work, output.string()); };
        }
        tasks.push_back(std::move(t));
    }

    // Keep what is already made from the same hash; make the rest.
    std::vector<Task*> pending;
    for (size_t i = 0; i < tasks.size(); ++i) {
        Task& t = tasks[i];
        const auto it = old.entries.find(t.key);
        std::error_code ec;
        if (it != old.entries.end() && it->second.first == t.output.string() && it->second.second == t.hash &&
            fs::exists(t.output, ec)) {
            now.entries[t.key] = it->second;
            ++(i < pictureCount ? report.picturesKept : report.soundsKept);
        } else {
            pending.push_back(&t);
        }
    }
    std::vector<std::string> errors;
    std::mutex lock;
    const std::string soundPrefix = "S ";
    runAll(pending, o.jobs, errors, lock, [&](Task& t) {
        now.entries[t.key] = {t.output.string(), t.hash};
        ++(t.key.compare(0, 2, soundPrefix) == 0 ? report.soundsMade : report.picturesMade);
    });

    // Remove what earlier runs made and nothing declares now.
    for (const auto& [key, value] : old.entries) {
        std::error_code ec;
        if (!now.entries.count(key) && fs::remove(value.first, ec))
            ++report.removed;
    }
    for (const char* sub : {"pictures", "rcdata"}) {
        std::error_code ec;
        if (!fs::is_directory(pictureRoot / sub, ec))
            continue;
        for (const auto& entry : fs::directory_iterator(pictureRoot / sub))
            if (!pictureFiles.count(entry.path()) && fs::remove(entry.path(), ec))
                ++report.removed;
    }
    now.save(o.stateFile);
    if (!errors.empty()) {
        std::string message = std::to_string(errors.size()) + " item(s) could not be made:";
        for (const std::string& e : errors)
            message += "\n  " + e;
        throw ContentError(message);
    }

    // Pack the pictures when anything about them changed.
    if (!o.rcc.empty()) {
        std::string qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
        for (const fs::path& f : pictureFiles) {
            const bool raw = f.parent_path().filename() == "rcdata";
            const std::string alias = raw ? "rcdata/" + f.stem().string() : "pictures/" + f.filename().string();
            qrc += "<file alias=\"" + alias + "\">" + f.string() + "</file>\n";
        }
        qrc += "</qresource>\n</RCC>\n";
        const fs::path qrcPath = pictureRoot / "content.qrc";
        std::error_code ec;
        const bool qrcChanged = readFile(qrcPath) != qrc;
        if (qrcChanged)
            writeAtomically(qrcPath, qrc);
        if (qrcChanged || report.picturesMade > 0 || report.removed > 0 || !fs::exists(o.rccOut, ec)) {
            // The pack records each file's time: one fixed time keeps it the
            // same bytes for the same pictures. Zstandard, because a page of
            // pictures is read back more than twice as fast as with zlib.
            const auto fixedTime = fs::file_time_type::clock::from_sys(
                std::chrono::sys_seconds{std::chrono::sys_days{std::chrono::January / 1 / 2020}});
            for (const fs::path& f : pictureFiles)
                fs::last_write_time(f, fixedTime, ec);
            const std::string part = o.rccOut + ".part";
            std::string log;
            if (runProgram({o.rcc, "--binary", "--format-version", "3", "--compress-algo", "zstd", "-o", part,
                            qrcPath.string()},
                           &log) != 0)
                throw ContentError("the resource compiler failed:\n" + log);
            fs::rename(part, o.rccOut);
            report.packed = true;
        }
    }
    return report;
}

}  // namespace gen
