#include "tools/content_gen/voices.h"

#include "tools/content_gen/plan.h"
#include "tools/content_gen/readings.h"
#include "tools/content_gen/recordings.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fcntl.h>

extern char** environ;

namespace gen {

namespace fs = std::filesystem;

namespace {

void run(const std::vector<std::string>& argv, const content::Sound& sound)
{
    runOrThrow(argv, describe(sound));
}

// The sound's speech at the common rate, leading silence trimmed.
void speak(const content::Sound& sound, const std::string& stem)
{
    {
        std::ofstream(stem + ".txt", std::ios::binary) << espeakText(sound);
    }
    // Poems are recited slower than speech.
    const char* rate = sound.voice == content::Voice::Recitation ? "130" : "150";
    run({"espeak-ng", "-v", speechVoice(sound.voice), "-s", rate, "-f", stem + ".txt", "-w", stem + ".raw.wav"}, sound);
    std::vector<std::string> sox = {"sox", "-D", "-R", stem + ".raw.wav"};
    for (const std::string& a : soxOut(stem + ".speech.wav"))
        sox.push_back(a);
    for (const char* a : {"silence", "1", "0.01", "0.2%"})
        sox.push_back(a);
    run(sox, sound);
}

}  // namespace

std::string commandLine(const std::vector<std::string>& argv)
{
    std::string command;
    for (const std::string& a : argv)
        command += (command.empty() ? "" : " ") + a;
    return command;
}

std::string runOrThrow(const std::vector<std::string>& argv, const std::string& who)
{
    std::string log;
    const int status = runProgram(argv, &log);
    if (status != 0)
        throw ContentError(who + ": \"" + commandLine(argv) + "\" failed (status " + std::to_string(status) + ")" +
                           (log.empty() ? "" : ":\n" + log));
    return log;
}

std::vector<std::string> soxOut(const std::string& path)
{
    return {"-t", "wav", "-r", std::to_string(kSampleRate), "-c", "1", "-b", "16", "-e", "signed-integer", path};
}

std::string espeakText(const content::Sound& sound)
{
    if (!spokenInMandarin(sound))
        return sound.say;
    const std::string reading = readingOf(sound);
    if (reading.empty())
        throw ContentError(describe(sound) + ": no reading of \"" + heardText(sound) + "\"");
    return speechText(reading);
}

std::string speechVoice(content::Voice v)
{
    // The plain "cmn" voice reads its own pinyin back as English words.
    return v == content::Voice::English ? "en-us" : "cmn-latn-pinyin";
}

int runProgram(const std::vector<std::string>& argv, std::string* log)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string out;
    char buf[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            out.append(buf, static_cast<size_t>(n));
    close(pipeFds[0]);
    if (log)
        *log = out;
    if (spawned != 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string voiceToolVersions()
{
    std::string versions;
    const struct {
        const char* program;
        const char* option;
        const char* package;
    } tools[] = {{"espeak-ng", "--version", "espeak-ng"}, {"sox", "--version", "sox"}};
    for (const auto& t : tools) {
        std::string out;
        if (runProgram({t.program, t.option}, &out) != 0)
            throw ContentError(std::string("the program \"") + t.program + "\" is missing (Debian package " +
                               t.package + ")");
        versions += out;
    }
    return versions;
}

void synthesise(const content::Sound& sound, const std::string& workDir, const std::string& outPath)
{
    const std::string stem =
        (fs::path(workDir) / (fs::path(soundPath(sound)).parent_path().string() + "_" + sound.name)).string();
    fs::create_directories(fs::path(stem).parent_path());
    if (!sound.recording.empty())
        return makeRecording(sound, stem, outPath);
    const std::string part = outPath + ".part";
    std::vector<std::string> finish = {"sox", "-D", "-R"};
    if (sound.voice == content::Voice::Cheer) {
        // Clapping: bursts of band-limited noise, with the spoken praise over it.
        std::vector<std::string> clap = {"sox", "-D", "-R", "-n"};
        for (const std::string& a : soxOut(stem + ".clap.wav"))
            clap.push_back(a);
        for (const char* a : {"synth", "1.6", "pinknoise", "band", "-n", "2200", "1600", "tremolo", "13", "95", "fade",
                              "q", "0.05", "1.6", "0.7", "gain", "-n", "-8"})
            clap.push_back(a);
        run(clap, sound);
        speak(sound, stem);
        finish.insert(finish.end(), {"-m", stem + ".clap.wav", stem + ".speech.wav"});
    } else {
        speak(sound, stem);
        finish.push_back(stem + ".speech.wav");
    }
    for (const std::string& a : soxOut(part))
        finish.push_back(a);
    for (const char* a : {"gain", "-n", "-1", "pad", "0.05", "0.15"})
        finish.push_back(a);
    fs::create_directories(fs::path(outPath).parent_path());
    try {
        run(finish, sound);
    } catch (...) {
        std::error_code ec;
        fs::remove(part, ec);
        throw;
    }
    fs::rename(part, outPath);
    for (const char* suffix : {".txt", ".raw.wav", ".speech.wav", ".clap.wav"}) {
        std::error_code ec;
        fs::remove(stem + suffix, ec);
    }
}

}  // namespace gen
