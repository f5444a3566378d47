#include "tests/support/recording_platform.h"

#include "resources/menu_catalogue.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace testing_support {

RecordingPlatform::RecordingPlatform() : previous_(platform::install(this))
{
    exe = "/nonexistent/program folder/qinghe";
}

RecordingPlatform::~RecordingPlatform()
{
    platform::install(previous_);
}

std::vector<std::string> RecordingPlatform::mediaCommands() const
{
    std::vector<std::string> out;
    for (const auto& line : log)
        if (line.rfind("OPEN ", 0) == 0 || line.rfind("PLAY ", 0) == 0 || line.rfind("CLOSE ", 0) == 0)
            out.push_back(line);
    return out;
}

bool RecordingPlatform::moveFile(const std::string& from, const std::string& to)
{
    log.push_back(RenameLine(from, to));
    return performRenames && platform::real().moveFile(from, to);
}

int RecordingPlatform::mciSendString(const std::string& command)
{
    log.push_back(command);
    return 0;
}

void RecordingPlatform::playSoundNone()
{
    log.push_back(kPlaySoundNone);
}

void RecordingPlatform::sleep(int milliseconds)
{
    log.push_back(SleepLine(milliseconds));
}

void RecordingPlatform::messageBox(const std::string& text, const std::string& title)
{
    log.push_back(BoxLine(title, text));
}

int RecordingPlatform::messageDlg(const std::string& text)
{
    log.push_back(AskLine(text));
    int answer = platform::mrNo;
    if (!dialogAnswers.empty()) {
        answer = dialogAnswers.front();
        dialogAnswers.pop_front();
    }
    log.push_back("answer " + std::to_string(answer));
    return answer;
}

platform::Handle RecordingPlatform::createMutex(const std::string& name)
{
    log.push_back("CreateMutex " + name);
    if (mutexFails)
        return 0;
    lastError_ = mutexExists ? platform::ERROR_ALREADY_EXISTS : 0;
    return 42;
}

unsigned long RecordingPlatform::getLastError()
{
    return lastError_;
}

void RecordingPlatform::closeHandle(platform::Handle handle)
{
    log.push_back("CloseHandle " + std::to_string(handle));
}

uint64_t RecordingPlatform::highResolutionCounter()
{
    return counter;
}

std::string RecordingPlatform::exeName()
{
    return exe;
}

std::string RenameLine(const std::string& from, const std::string& to)
{
    return "rename " + from + " -> " + to;
}

std::string SleepLine(int ms)
{
    return "sleep " + std::to_string(ms);
}

std::string AskLine(const std::string& text)
{
    return "ask " + text;
}

std::string BoxLine(const std::string& title, const std::string& text)
{
    return "box " + title + ": " + text;
}

std::vector<std::string> PlaySteps(const std::string& mediaFolder, const std::string& name)
{
    const std::string stem = mediaFolder + name;
    return {RenameLine(stem + ".dat", stem + ".wav"), "OPEN " + stem + ".wav TYPE mpegvideo ALIAS " + name,
            "PLAY " + name, "CLOSE ANIMATION", RenameLine(stem + ".wav", stem + ".dat")};
}

std::vector<std::string> StopSteps(const std::string& alias)
{
    return {"CLOSE " + alias, "CLOSE ANIMATION"};
}

std::vector<std::string> Steps(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

MediaFixture::MediaFixture(RecordingPlatform& platform) : dir_(QDir::tempPath() + "/qh media XXXXXX")
{
    root_ = dir_.path().toStdString() + "/program folder/";
    QDir().mkpath(QString::fromStdString(root_));
    platform.exe = root_ + "qinghe";
}

std::string MediaFixture::programFolder() const
{
    return root_;
}

std::string MediaFixture::path(const std::string& folderLiteral, const std::string& file) const
{
    return root_ + catalogue::FolderPath(folderLiteral.c_str()) + file;
}

std::string MediaFixture::addSound(const std::string& folderLiteral, const std::string& name, const std::string& bytes)
{
    const std::string folder = root_ + catalogue::FolderPath(folderLiteral.c_str());
    QDir().mkpath(QString::fromStdString(folder));
    const std::string file = folder + name + ".dat";
    QFile f(QString::fromStdString(file));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file;
}

}  // namespace testing_support
