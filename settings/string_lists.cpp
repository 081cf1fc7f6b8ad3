#include "settings/string_lists.h"

#include <algorithm>

#include "image/errors.h"

namespace pixmo {

void TStringListEx::CheckIndex(int index, int limit) const {
    if (index < 0 || index > limit) RaiseError(Msg(PIXMO_MSG("pixmo::Core", "List index out of bounds (%1)"), index));
}

const std::string& TStringListEx::operator[](int index) const {
    CheckIndex(index, Count() - 1);
    return FItems[static_cast<size_t>(index)];
}

int TStringListEx::Add(const std::string& text) {
    FItems.push_back(text);
    return Count() - 1;
}

void TStringListEx::Insert(int index, const std::string& text) {
    CheckIndex(index, Count());
    FItems.insert(FItems.begin() + index, text);
}

void TStringListEx::Delete(int index) {
    CheckIndex(index, Count() - 1);
    FItems.erase(FItems.begin() + index);
}

int TStringListEx::IndexOf(const std::string& text) const {
    auto it = std::find(FItems.begin(), FItems.end(), text);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

bool TStringListEx::Remove(const std::string& text) {
    int i = IndexOf(text);
    if (i < 0) return false;
    Delete(i);
    return true;
}

void TMaxStringList::Trim() {
    size_t limit = static_cast<size_t>(std::max(FMax, 0));
    if (FItems.size() > limit) FItems.resize(limit);
}

void TMaxStringList::SetMax(int max) {
    FMax = max;
    Trim();
}

int TMaxStringList::Add(const std::string& text) {
    Remove(text);
    FItems.push_back(text);
    Trim();
    int last = Count() - 1;
    return last >= 0 && FItems[static_cast<size_t>(last)] == text ? last : -1;
}

void TMaxStringList::Insert(int index, const std::string& text) {
    CheckIndex(index, Count());
    Remove(text);
    // The removed entry may have stood before the end; the end is then one place closer.
    index = std::min(index, Count());
    FItems.insert(FItems.begin() + index, text);
    Trim();
}

}  // namespace pixmo
