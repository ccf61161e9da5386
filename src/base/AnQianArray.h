// CAnQianArray<T>: the growable array behind every game list. Indexed access
// (ElementAt, GetAt) is bounds-checked and a failed check throws CMyException
// naming the element size, the index and the element count. RemoveAt checks its
// range the same way, so a bad position can never touch memory outside the list.
//
// Find looks an element up by key, scanning from the last element to the first
// (so with duplicate keys the highest index wins). The key of an arithmetic
// element is the element itself; any other element type supplies Key().
#pragma once

#include "base/FormatText.h"
#include "base/MyException.h"

#include <cstdint>
#include <type_traits>
#include <vector>

template <typename T>
class CAnQianArray {
public:
    using Iterator = typename std::vector<T>::iterator;
    using ConstIterator = typename std::vector<T>::const_iterator;

    int GetSize() const { return static_cast<int>(elements_.size()); }
    int GetUpperBound() const { return GetSize() - 1; }

    // Grows with default-constructed elements or shrinks to count (negative: 0).
    void SetSize(int count) { elements_.resize(count > 0 ? static_cast<std::size_t>(count) : 0); }

    int Add(const T& value) {
        elements_.push_back(value);
        return GetUpperBound();
    }

    void SetAtGrow(int index, const T& value) {
        if (index >= GetSize()) SetSize(index + 1);
        ElementAt(index) = value;
    }

    // Removes count elements from index on, keeping the order of the rest.
    // Throws like an index check when the range does not lie inside the array.
    void RemoveAt(int index, int count = 1) {
        if (count <= 0) return;
        CheckIndex(index);
        const std::int64_t last = std::int64_t{index} + count - 1;
        if (last > GetUpperBound()) CheckIndex(last > INT32_MAX ? INT32_MAX : static_cast<int>(last));
        const auto first = elements_.begin() + index;
        elements_.erase(first, first + count);
    }

    T& ElementAt(int index) {
        CheckIndex(index);
        return elements_[static_cast<std::size_t>(index)];
    }

    const T& ElementAt(int index) const {
        CheckIndex(index);
        return elements_[static_cast<std::size_t>(index)];
    }

    T GetAt(int index) const { return ElementAt(index); }

    void CheckIndex(int index) const {
        if (index < 0 || index >= GetSize())
            throw CMyException(FormatText("安全数组溢出。此数组元素大小%d，操作索引%d,元素数量%d",
                                          static_cast<int>(sizeof(T)), index, GetSize()));
    }

    template <typename Key>
    int Find(const Key& key) const {
        for (int index = GetUpperBound(); index >= 0; --index)
            if (KeyOf(elements_[static_cast<std::size_t>(index)]) == key) return index;
        return -1;
    }

    Iterator begin() { return elements_.begin(); }
    Iterator end() { return elements_.end(); }
    ConstIterator begin() const { return elements_.begin(); }
    ConstIterator end() const { return elements_.end(); }

protected:
    std::vector<T> elements_;

private:
    static auto KeyOf(const T& element) {
        if constexpr (std::is_arithmetic_v<T>)
            return element;
        else
            return element.Key();
    }
};
