// What every screen shows and plays, declared as data next to the screens'
// own constant tables: the content generators draw and speak from it, and the
// catalogue check holds the built program to it.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace content {

enum class Format { Bmp, Gif, Jpeg };
// Picture resources are shown as pictures; raw data resources are read as a
// stream by the screen (the clock faces); a media file is not embedded but
// written into a media folder, for the one screen that reads pictures from
// disk (the rescue game's trapped animals).
enum class Storage { Picture, RawData, MediaFile };

struct Picture {
    std::string name;  // resource name, upper case ("MAINFORMT001"); picture() upper-cases it
    int width = 0;
    int height = 0;
    Format format = Format::Bmp;
    Storage storage = Storage::Picture;
    // How the generator draws it: a recipe of tools/art/recipes_*.cpp.
    std::string recipe = "card";
    std::string emoji;        // a colour emoji that shows the item, where one fits
    std::string drawing;      // a drawing of tools/art/drawings/ that shows the item ("red_panda"), where no emoji fits
    std::string text;         // the item's name or the caption to draw
    uint32_t colour = 0;      // main colour 0xRRGGBB, where the recipe uses one
    uint32_t background = 0;  // background colour 0xRRGGBB, where the recipe uses one
    std::string param;        // recipe parameter ("3" for three o'clock, "triangle", ...)
    std::string folder;  // MediaFile only: the media folder literal ("password\\"); the file is the name in lower case

    // Shows the item by its motif: a drawing's name (lower-case ASCII,
    // "red_panda") or a colour emoji.
    Picture& showing(const std::string& motif)
    {
        (isDrawingName(motif) ? drawing : emoji) = motif;
        return *this;
    }
    static bool isDrawingName(const std::string& motif)
    {
        if (motif.empty())
            return false;
        for (const char c : motif)
            if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
                return false;
        return true;
    }
};

enum class Voice {
    Chinese,     // Mandarin speech of `say`
    English,     // English speech of `say`
    Cheer,       // applause and cheering; `say` may add a spoken (Mandarin) word
    Recitation,  // Mandarin read at a reciting pace, pausing at each line's end (the poems)
};

struct Sound {
    std::string folder;  // media folder literal as the screen writes it ("pinyin\\yunmu\\")
    std::string name;    // sound name, the file's stem ("001", "st", "n_g")
    std::string say;     // what is heard
    Voice voice = Voice::Chinese;
    // Mandarin only: the reading of `say` in pinyin with tone numbers, one
    // syllable per character, with its punctuation ("ban1 ma3"); empty: the
    // generator's reading table gives it.
    std::string reading = {};
    std::string recording = {};  // the thing's own sound (gen::findRecording) heard instead of `say`; empty: speech
};

struct Manifest {
    std::vector<Picture> pictures;
    std::vector<Sound> sounds;
    // The screens that exist, by class name, so the check can walk them.
    std::vector<std::string> screens;

    Picture& picture(const std::string& name, int width, int height, const std::string& recipe = "card")
    {
        Picture p;
        p.name = platform::UpperCase(name);
        p.width = width;
        p.height = height;
        p.recipe = recipe;
        pictures.push_back(p);
        return pictures.back();
    }
    Sound& sound(const std::string& folder, const std::string& name, const std::string& say,
                 Voice voice = Voice::Chinese)
    {
        Sound& s = sounds.emplace_back();
        s.folder = folder;
        s.name = name;
        s.say = say;
        s.voice = voice;
        return s;
    }
};

}  // namespace content
