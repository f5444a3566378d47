// The 51 entries of the lesson menu: where each stands (page, slot), its
// caption, the screen class that runs it, its media folder and window caption.
#pragma once

#include <array>
#include <string>

namespace catalogue {

struct MenuEntry {
    int page;
    int slot;
    const char* caption;        // menu caption
    const char* className;      // lesson screen class
    const char* unit;           // source unit of the screen
    const char* folder;         // media folder literal, written as the screens write it ("pinyin\\yunmu\\")
    const char* windowCaption;  // caption of the lesson's window
    const char* icon;           // menu icon resource, lower case as the menu names it
};

constexpr int kMenuPages = 6;
constexpr int kMenuSlots = 10;
constexpr int kMenuLastPage = kMenuPages - 1;

extern const std::array<MenuEntry, 51> kMenu;

// The entry at page.slot, or nullptr where there is none.
const MenuEntry* FindMenuEntry(int page, int slot);
// The entry of a lesson class, or nullptr.
const MenuEntry* FindLessonEntry(const std::string& className);
// The media folder literal of a lesson class, or "" for a class not in the menu.
std::string LessonFolder(const std::string& className);

// MenuCaptionTable[slot][page]: the caption, or the empty-slot mark "x".
const std::string& MenuCaption(int slot, int page);

// The media folder literal as a relative path with "/" ("pinyin/yunmu/").
std::string FolderPath(const char* literal);

}  // namespace catalogue
