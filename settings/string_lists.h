#pragma once
// String lists: TStringListEx adds Remove to a plain list; TMaxStringList keeps at most Max
// entries with no two equal, the newest where it was put (the recent-item menus).
#include <string>
#include <vector>

namespace pixmo {

class TStringListEx {
public:
    virtual ~TStringListEx() = default;

    int Count() const { return static_cast<int>(FItems.size()); }
    const std::string& operator[](int index) const;
    const std::vector<std::string>& Items() const { return FItems; }
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

    // Add returns the index of the new entry (-1 when a bounded list dropped it at once).
    virtual int Add(const std::string& text);
    // Index 0 … Count; raises "List index out of bounds (%d)" otherwise.
    virtual void Insert(int index, const std::string& text);
    void Delete(int index);
    void Clear() { FItems.clear(); }
    // Entries compare exactly (file names differing in case are different files here).
    int IndexOf(const std::string& text) const;
    // Deletes the first entry equal to text; returns whether there was one.
    bool Remove(const std::string& text);

protected:
    void CheckIndex(int index, int limit) const;
    std::vector<std::string> FItems;
};

class TMaxStringList : public TStringListEx {
public:
    explicit TMaxStringList(int max = 10) : FMax(max) {}

    int Max() const { return FMax; }
    // Deletes from the end until at most Max entries remain (none when Max is below 1).
    void SetMax(int max);

    // Both first remove an equal entry, then add or insert, then cut the list to Max.
    int Add(const std::string& text) override;
    void Insert(int index, const std::string& text) override;

private:
    void Trim();
    int FMax;
};

}  // namespace pixmo
