#pragma once
// Owning lists: clearing or destroying the list frees what it holds.
#include <memory>
#include <vector>

namespace pixmo {

template <class T>
using TObjectList = std::vector<std::unique_ptr<T>>;

// Plain heap records (no behaviour of their own).
template <class T>
using TRecordList = std::vector<std::unique_ptr<T>>;

}  // namespace pixmo
