#include "tools/content_gen/plan.h"

#include "platform/strings.h"
#include "resources/menu_catalogue.h"
#include "tools/art/recipe.h"
#include "tools/content_gen/readings.h"
#include "tools/content_gen/recordings.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace gen {

namespace {

constexpr int kMaxSide = 4096;

bool isNameChar(char c, bool upperAllowed)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || (upperAllowed && c >= 'A' && c <= 'Z');
}

bool validName(const std::string& s, bool upperAllowed)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [&](char c) { return isNameChar(c, upperAllowed); });
}

const char* voiceName(content::Voice v)
{
    switch (v) {
    case content::Voice::Chinese:
        return "Chinese";
    case content::Voice::English:
        return "English";
    case content::Voice::Cheer:
        return "Cheer";
    case content::Voice::Recitation:
        return "Recitation";
    }
    return "?";
}

// A media folder literal: lower-case names, each ending in a backslash.
bool validFolder(const std::string& folder)
{
    bool ok = folder.size() > 1 && folder.back() == '\\' && folder.front() != '\\';
    for (char c : folder)
        ok = ok && (isNameChar(c, false) || c == '\\');
    return ok && folder.find("\\\\") == std::string::npos;
}

constexpr const char* kFolderRule =
    "the folder must be lower-case names each ending in a backslash (\"pinyin\\yunmu\\\")";

void checkPicture(const content::Picture& p, std::vector<std::string>& errors)
{
    const auto bad = [&](const std::string& why) { errors.push_back(describe(p) + ": " + why); };
    if (!validName(p.name, true))
        bad("the name must be letters, digits and \"_\"");
    if (p.width <= 0 || p.height <= 0 || p.width > kMaxSide || p.height > kMaxSide)
        bad("the size must be between 1 and " + std::to_string(kMaxSide) + " on each side");
    if (!art::findRecipe(p.recipe))
        bad("unknown recipe \"" + p.recipe + "\"");
    if (p.storage == content::Storage::MediaFile && !validFolder(p.folder))
        bad(kFolderRule);
}

void checkSound(const content::Sound& s, std::vector<std::string>& errors)
{
    const auto bad = [&](const std::string& why) { errors.push_back(describe(s) + ": " + why); };
    if (!validName(s.name, false))
        bad("the sound name must be lower-case letters, digits and \"_\"");
    if (!validFolder(s.folder))
        bad(kFolderRule);
    if (s.say.empty() && s.voice != content::Voice::Cheer)
        bad("nothing to say");
    if (!s.recording.empty() && !findRecording(s.recording))
        bad("no recording is called \"" + s.recording + "\"");
    if (!gen::spokenInMandarin(s) || gen::heardText(s).empty())
        return;
    if (s.reading.empty())
        bad("no reading of \"" + gen::heardText(s) + "\" in its table or the reading table");
    for (const std::string& problem : gen::readingProblems(gen::heardText(s), s.reading))
        bad("the reading \"" + s.reading + "\" does not fit: " + problem);
}

}  // namespace

std::string describe(const content::Picture& p)
{
    std::ostringstream out;
    out << "picture \"" << p.name << "\" (" << p.width << "x" << p.height << " " << extensionOf(p.format)
        << ", recipe \"" << p.recipe << "\")";
    return out.str();
}

std::string describe(const content::Sound& s)
{
    return "sound \"" + s.name + "\" of folder \"" + s.folder + "\"";
}

std::string declarationText(const content::Picture& p)
{
    std::ostringstream out;
    out << platform::UpperCase(p.name) << '|' << p.width << 'x' << p.height << '|' << extensionOf(p.format) << '|'
        << (p.storage == content::Storage::RawData ? "rcdata" : "picture") << '|' << p.recipe << '|' << p.emoji << '|'
        << p.text << '|' << std::hex << p.colour << '|' << p.background << '|' << p.param;
    if (p.storage == content::Storage::MediaFile)
        out << "|file " << mediaPicturePath(p);
    return out.str();
}

std::string declarationText(const content::Sound& s)
{
    return folderPath(s.folder) + s.name + '|' + voiceName(s.voice) + '|' + s.say + '|' + s.reading + '|' + s.recording;
}

std::string folderPath(const std::string& literal)
{
    return catalogue::FolderPath(literal.c_str());
}

std::string soundPath(const content::Sound& s)
{
    return folderPath(s.folder) + s.name + ".dat";
}

std::string mediaPicturePath(const content::Picture& p)
{
    return folderPath(p.folder) + platform::LowerCase(p.name) + "." + extensionOf(p.format);
}

const char* extensionOf(content::Format f)
{
    switch (f) {
    case content::Format::Bmp:
        return "bmp";
    case content::Format::Gif:
        return "gif";
    case content::Format::Jpeg:
        return "jpg";
    }
    return "bin";
}

Plan makePlan(const content::Manifest& manifest)
{
    std::vector<std::string> errors;
    std::map<std::string, content::Picture> pictures;
    for (content::Picture p : manifest.pictures) {
        checkPicture(p, errors);
        p.name = platform::UpperCase(p.name);
        // A media file is named by its place, so it never meets a resource of the same name.
        const std::string key = p.storage == content::Storage::MediaFile ? "file " + mediaPicturePath(p) : p.name;
        const auto [it, fresh] = pictures.emplace(key, p);
        if (!fresh && declarationText(it->second) != declarationText(p))
            errors.push_back(describe(p) + ": declared twice in different ways:\n    " + declarationText(it->second) +
                             "\n    " + declarationText(p));
    }
    std::map<std::string, content::Sound> sounds;
    for (content::Sound s : manifest.sounds) {
        if (spokenInMandarin(s))
            s.reading = readingOf(s);
        checkSound(s, errors);
        const auto [it, fresh] = sounds.emplace(soundPath(s), s);
        if (!fresh && declarationText(it->second) != declarationText(s))
            errors.push_back(describe(s) + ": declared twice in different ways:\n    " + declarationText(it->second) +
                             "\n    " + declarationText(s));
    }
    if (!errors.empty()) {
        std::string message = "bad content declarations:";
        for (const std::string& e : errors)
            message += "\n  " + e;
        throw ContentError(message);
    }
    Plan plan;
    for (auto& [name, p] : pictures)
        plan.pictures.push_back(p);
    for (auto& [path, s] : sounds)
        plan.sounds.push_back(s);
    return plan;
}

}  // namespace gen
