// Texts: upper- and lower-casing names, and a list of texts with add, delete at a
// position, find and count, used by the random draws (a pool that entries
// are deleted from).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// The text with its ASCII letters in upper case, as resource names are
// stored; other bytes (UTF-8 included) stay as they are.
inline std::string UpperCase(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The text with its ASCII letters in lower case, as media files are named;
// other bytes stay as they are.
inline std::string LowerCase(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// n written with at least three digits ("007", "042"): the stem of the
// numbered sound and picture names.
inline std::string ThreeDigits(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

class TStrings {
public:
    int Add(const std::string& s)
    {
        items_.push_back(s);
        return static_cast<int>(items_.size()) - 1;
    }
    // Deleting outside 0..Count-1 throws std::out_of_range.
    void Delete(int index);
    int IndexOf(const std::string& s) const;
    int GetCount() const { return static_cast<int>(items_.size()); }
    int Count() const { return GetCount(); }
    const std::string& Get(int index) const;
    void Clear() { items_.clear(); }
    const std::vector<std::string>& items() const { return items_; }

private:
    std::vector<std::string> items_;
};

}  // namespace platform
