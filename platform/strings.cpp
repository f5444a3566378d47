#include "platform/strings.h"

#include <cctype>
#include <stdexcept>

namespace platform {

namespace {
void checkIndex(int index, int count)
{
    if (index < 0 || index >= count)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}
}  // namespace

void TStrings::Delete(int index)
{
    checkIndex(index, GetCount());
    items_.erase(items_.begin() + index);
}

int TStrings::IndexOf(const std::string& s) const
{
    // Texts are found without regard to ASCII case.
    for (int i = 0; i < GetCount(); ++i) {
        const std::string& t = items_[static_cast<size_t>(i)];
        if (t.size() != s.size())
            continue;
        bool same = true;
        for (size_t k = 0; k < t.size() && same; ++k)
            same = std::tolower(static_cast<unsigned char>(t[k])) == std::tolower(static_cast<unsigned char>(s[k]));
        if (same)
            return i;
    }
    return -1;
}

const std::string& TStrings::Get(int index) const
{
    checkIndex(index, GetCount());
    return items_[static_cast<size_t>(index)];
}

}  // namespace platform
