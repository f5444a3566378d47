// One generation run: draws the pictures and speaks the sounds that are new
// or changed, takes real content from the override folders instead, removes
// what it made earlier and nothing declares any more, and packs the
// pictures into one resource file for embedding.
#pragma once

#include "tools/content_gen/plan.h"

#include <string>

namespace gen {

struct Options {
    std::string pictureDir;    // pictures/ and rcdata/ are written below it, with content.qrc
    std::string soundRoot;     // the program folder: sounds go to <folder path>/<name>.dat below it, and
                               // media-file pictures to <folder path>/<name>.<ext>
    std::string overrideRoot;  // real content: pictures/<NAME>.<ext> (pictures/<folder path>/<NAME>.<ext>
                               // for a media file) and sounds/<folder path>/<name>.<ext>
    std::string stateFile;     // what the last run made, with the hash of each
    std::string rcc;           // Qt's resource compiler; empty: no resource file
    std::string rccOut;        // the packed resource file
    std::string artVersion;    // changes when the drawing code changes
    std::string voiceVersion;  // changes when the speaking code or tools change
    int jobs = 8;
};

struct Report {
    int picturesMade = 0;
    int picturesKept = 0;
    int soundsMade = 0;
    int soundsKept = 0;
    int removed = 0;
    bool packed = false;  // the resource file was rewritten
};

// Throws ContentError; what was finished before an error stays valid.
Report generate(const Plan& plan, const Options& options);

// Picture and sound override extensions, in order of preference.
extern const char* const kPictureOverrideExtensions[5];
extern const char* const kSoundOverrideExtensions[4];

}  // namespace gen
