// The built program's content held to the declarations: every screen that
// exists, opened and clicked all over, shows only declared, embedded
// pictures and plays only declared sounds;
// every declared picture is embedded at its size and format, every declared
// sound is real audio in the program's media folders, and nothing is there
// that no declaration names.
#include "app/Main_Form.h"
#include "app/lesson_families.h"
#include "lesson_frame/lesson_registry.h"
#include "platform/media_control.h"
#include "platform/pictures.h"
#include "platform/strings.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"
#include "tools/content_gen/all_content.h"
#include "tools/content_gen/generator.h"
#include "tools/content_gen/plan.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

using namespace testing_support;

namespace {

namespace fs = std::filesystem;

const gen::Plan& plan()
{
    static const gen::Plan p = gen::makePlan(content::collectAll());
    return p;
}

std::string programFolder()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::set<std::string> declaredPictures()
{
    std::set<std::string> names;
    for (const content::Picture& p : plan().pictures)
        names.insert(p.name);
    return names;
}

std::set<std::string> declaredSoundPaths()
{
    std::set<std::string> paths;
    for (const content::Sound& s : plan().sounds)
        paths.insert(gen::soundPath(s));
    return paths;
}

// Whether real content replaces the picture: a file of its name below the
// real pictures (in its folder path, for a media file).
bool isOverride(const content::Picture& picture)
{
    const fs::path folder = fs::path(QH_SOURCE_DIR) / "resources/pictures" /
                            (picture.storage == content::Storage::MediaFile ? gen::folderPath(picture.folder) : "");
    for (const char* ext : gen::kPictureOverrideExtensions)
        for (const std::string& stem : {picture.name, platform::LowerCase(picture.name)})
            if (fs::exists(folder / (stem + "." + ext)))
                return true;
    return false;
}

// The file starts as the generator writes its format (a BMP with 24 bits per
// pixel).
void expectWrittenFormat(const QByteArray& data, content::Format format)
{
    switch (format) {
    case content::Format::Bmp:
        ASSERT_GT(data.size(), 30);
        EXPECT_TRUE(data.startsWith("BM"));
        EXPECT_EQ(static_cast<unsigned char>(data[28]), 24) << "a BMP must have 24 bits per pixel";
        break;
    case content::Format::Gif:
        EXPECT_TRUE(data.startsWith("GIF89a") || data.startsWith("GIF87a"));
        break;
    case content::Format::Jpeg:
        EXPECT_TRUE(data.startsWith("\xFF\xD8\xFF"));
        break;
    }
}

TEST(ContentCatalogue, DeclarationsAreValid)
{
    EXPECT_NO_THROW(plan());
    EXPECT_FALSE(plan().pictures.empty());
    EXPECT_FALSE(plan().sounds.empty());
}

TEST(ContentCatalogue, EveryDeclaredPictureIsEmbeddedAtItsSizeAndFormat)
{
    for (const content::Picture& picture : plan().pictures) {
        SCOPED_TRACE(gen::describe(picture));
        if (picture.storage == content::Storage::MediaFile)
            continue;  // a file in a media folder, checked below
        QByteArray bytes;
        try {
            if (picture.storage == content::Storage::RawData)
                bytes = platform::loadRawResource(picture.name);
            else
                bytes = platform::loadPictureResource(picture.name).frames.empty() ? QByteArray() : QByteArray("ok");
        } catch (const std::exception& e) {
            ADD_FAILURE() << "not embedded: " << e.what();
            continue;
        }
        const platform::Picture pic = picture.storage == content::Storage::RawData
                                          ? platform::decodePicture(bytes)
                                          : platform::loadPictureResource(picture.name);
        EXPECT_EQ(pic.size(), QSize(picture.width, picture.height));
        if (isOverride(picture))
            continue;  // real content may come in any format the store decodes
        const char* root = picture.storage == content::Storage::RawData ? ":/rcdata/" : ":/pictures/";
        const QString path =
            QString::fromLatin1(root) + QString::fromStdString(picture.name) +
            (picture.storage == content::Storage::RawData ? QString()
                                                          : QString(".") + gen::extensionOf(picture.format));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        expectWrittenFormat(f.readAll(), picture.format);
    }
}

TEST(ContentCatalogue, EveryDeclaredMediaFilePictureIsInItsFolderAtItsSize)
{
    for (const content::Picture& picture : plan().pictures) {
        if (picture.storage != content::Storage::MediaFile)
            continue;
        SCOPED_TRACE(gen::describe(picture));
        const std::string path = programFolder() + gen::mediaPicturePath(picture);
        const std::string bytes = readFile(path);
        ASSERT_FALSE(bytes.empty()) << "missing or empty: " << path;
        EXPECT_EQ(platform::decodePicture(QByteArray::fromStdString(bytes)).size(),
                  QSize(picture.width, picture.height));
        if (!isOverride(picture))
            expectWrittenFormat(QByteArray::fromStdString(bytes), picture.format);
    }
}

TEST(ContentCatalogue, EveryDeclaredSoundIsAudibleAudio)
{
    for (const content::Sound& sound : plan().sounds) {
        SCOPED_TRACE(gen::describe(sound));
        const std::string path = programFolder() + gen::soundPath(sound);
        const std::string bytes = readFile(path);
        ASSERT_FALSE(bytes.empty()) << "missing or empty: " << path;
        if (bytes.compare(0, 4, "RIFF") != 0)
            continue;  // a real recording in another format the player decodes
        platform::Pcm pcm;
        ASSERT_TRUE(platform::decodeWav(bytes, pcm)) << path;
        EXPECT_EQ(pcm.channels, 1);
        EXPECT_EQ(pcm.sampleRate, 22050);
        EXPECT_EQ(static_cast<unsigned char>(bytes[34]), 16) << "16 bits per sample";
        EXPECT_GT(pcm.samples.size(), 22050u / 10) << "shorter than a tenth of a second";
        int peak = 0;
        for (int16_t v : pcm.samples)
            peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_GT(peak, 8000) << "too quiet to hear";
    }
}

TEST(ContentCatalogue, NothingIsEmbeddedThatNoDeclarationNames)
{
    const auto declared = declaredPictures();
    for (const auto kind : {platform::ResourceKind::Picture, platform::ResourceKind::RawData})
        for (const QString& name : platform::resourceNames(kind))
            EXPECT_TRUE(declared.count(name.toStdString())) << "embedded but not declared: " << name.toStdString();
}

TEST(ContentCatalogue, NoSoundFileLiesInTheMediaFoldersThatNoDeclarationNames)
{
    const auto declared = declaredSoundPaths();
    const QString root = QString::fromStdString(programFolder());
    QDirIterator it(root, {"*.dat", "*.wav"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const std::string rel = QDir(root).relativeFilePath(it.next()).toStdString();
        if (rel.find('/') == std::string::npos)
            continue;  // beside the executables, not in a media folder
        EXPECT_TRUE(declared.count(rel)) << "not declared: " << rel;
    }
}

TEST(ContentCatalogue, EveryRealContentFileReplacesADeclaredItem)
{
    const auto pictures = declaredPictures();
    const auto sounds = declaredSoundPaths();
    const fs::path resources = fs::path(QH_SOURCE_DIR) / "resources";
    const auto media = [](const fs::path& p, const auto& exts) {
        const std::string ext = QFileInfo(QString::fromStdString(p.string())).suffix().toLower().toStdString();
        return std::any_of(std::begin(exts), std::end(exts), [&](const char* e) { return ext == e; });
    };
    if (fs::is_directory(resources / "pictures")) {
        for (const auto& e : fs::recursive_directory_iterator(resources / "pictures")) {
            if (e.is_regular_file() && media(e.path(), gen::kPictureOverrideExtensions)) {
                EXPECT_TRUE(pictures.count(QString::fromStdString(e.path().stem().string()).toUpper().toStdString()))
                    << "replaces nothing: " << e.path();
            }
        }
    }
    if (fs::is_directory(resources / "sounds")) {
        for (const auto& e : fs::recursive_directory_iterator(resources / "sounds")) {
            if (e.is_regular_file() && media(e.path(), gen::kSoundOverrideExtensions)) {
                const fs::path rel = fs::relative(e.path(), resources / "sounds");
                const std::string dat = (rel.parent_path() / (rel.stem().string() + ".dat")).string();
                EXPECT_TRUE(sounds.count(dat)) << "replaces nothing: " << e.path();
            }
        }
    }
}

// Creates a screen by class name, as the launcher does.
std::unique_ptr<frame::LessonScreen> makeScreen(const std::string& className)
{
    if (className == "TMainForm")
        return std::make_unique<TMainForm>();
    const frame::LessonFactory* make = frame::FindLesson(className);
    return make ? std::unique_ptr<frame::LessonScreen>((*make)()) : nullptr;
}

// Every picture the screens ask the store for, served from the embedded ones.
class PictureLoads {
public:
    PictureLoads()
    {
        platform::setResourceSource([this](const QString& name, platform::ResourceKind kind) {
            names.insert(name.toStdString());
            return platform::embeddedResource(name, kind);
        });
    }
    ~PictureLoads() { platform::setResourceSource({}); }
    std::set<std::string> names;
};

// Clicks every button and picture a kid can reach, a few rounds over, so
// the page buttons walk through the pages. The menu's entries open lessons
// of their own and are left to the lessons' turn.
void ClickEverything(frame::LessonScreen& screen)
{
    const bool menu = qobject_cast<TMainForm*>(&screen) != nullptr;
    for (int round = 0; round < 10; ++round) {
        for (QWidget* w : screen.findChildren<QWidget*>()) {
            const std::string name = w->objectName().toStdString();
            const bool clickable = qobject_cast<platform::TSpeedButton*>(w) || qobject_cast<platform::TImage*>(w);
            const bool opensLesson =
                menu && name.rfind("btn_", 0) == 0 && name != "btn_NextPage" && name != "btn_lastpage";
            if (clickable && name != "btn_backlasmenu" && !opensLesson)
                Click(&screen, name);
        }
    }
}

TEST(ContentCatalogue, EveryScreenShowsDeclaredPicturesAndPlaysDeclaredSounds)
{
    frame::RegisterAllLessons();
    const auto pictures = declaredPictures();
    const auto sounds = declaredSoundPaths();
    ASSERT_FALSE(content::collectAll().screens.empty());
    for (const std::string& className : content::collectAll().screens) {
        SCOPED_TRACE(className);
        RecordingPlatform rec;
        rec.performRenames = false;  // the real media folders stay as built
        rec.exe = programFolder() + "qinghe";
        PictureLoads loads;
        auto screen = makeScreen(className);
        ASSERT_TRUE(screen) << "declared but not a registered screen";
        screen->Create();
        screen->show();
        for (platform::TImage* image : screen->findChildren<platform::TImage*>()) {
            const std::string name = image->pictureName().toUpper().toStdString();
            if (name.empty())
                continue;
            EXPECT_TRUE(pictures.count(name)) << image->objectName().toStdString() << " shows undeclared " << name;
            EXPECT_TRUE(image->hasPicture()) << image->objectName().toStdString() << " shows nothing for " << name;
        }
        ClickEverything(*screen);
        for (const std::string& name : loads.names)
            EXPECT_TRUE(pictures.count(name)) << "loads undeclared picture " << name;
        size_t opened = 0;
        for (const std::string& command : rec.mediaCommands()) {
            platform::OpenCommand open;
            if (!platform::parseOpen(command, open))
                continue;
            ++opened;
            ASSERT_EQ(open.path.compare(0, programFolder().size(), programFolder()), 0) << open.path;
            std::string rel = open.path.substr(programFolder().size());
            rel = rel.substr(0, rel.size() - 4) + ".dat";
            EXPECT_TRUE(sounds.count(rel)) << "plays undeclared " << rel;
        }
        EXPECT_GT(opened, 1u) << "the clicks played nothing";
    }
}

}  // namespace
