// The content plan: every picture and sound of the declarations, checked and
// with identical duplicates folded, ready for the generators.
#pragma once

#include "resources/content.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace gen {

// A bad entry, a missing tool or font: the message says which and why.
class ContentError : public std::runtime_error {
public:
    explicit ContentError(const std::string& what) : std::runtime_error(what) {}
};

struct Plan {
    std::vector<content::Picture> pictures;  // names in upper case, sorted
    std::vector<content::Sound> sounds;      // sorted by folder and name
};

// Throws ContentError listing every bad entry (unknown recipe, size 0, bad
// name, nothing to say, the same name declared two different ways, ...).
Plan makePlan(const content::Manifest& manifest);

// One line naming an entry, for messages.
std::string describe(const content::Picture& p);
std::string describe(const content::Sound& s);
// Every field of an entry in one text: equal texts mean equal entries.
std::string declarationText(const content::Picture& p);
std::string declarationText(const content::Sound& s);

// "pinyin\\yunmu\\" -> "pinyin/yunmu/".
std::string folderPath(const std::string& literal);
// Where a sound lives below the program folder: "pinyin/yunmu/001.dat".
std::string soundPath(const content::Sound& s);
// Where a media-file picture lives below the program folder: "password/a001.bmp".
std::string mediaPicturePath(const content::Picture& p);
// File extension of a format: "bmp", "gif", "jpg".
const char* extensionOf(content::Format f);

}  // namespace gen
