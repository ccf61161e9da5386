// CDingChangArray<T>: a CAnQianArray with a capacity fixed at construction.
// SetSize and Append refuse quietly (false, -1) when the capacity would be
// passed; assigning a longer array throws CMyException and leaves the target as
// it was. Add and SetAtGrow are withdrawn so nothing grows past the capacity.
#pragma once

#include "base/AnQianArray.h"

template <typename T>
class CDingChangArray : public CAnQianArray<T> {
public:
    CDingChangArray(int capacity, int initialSize) : capacity_(capacity) { SetSize(initialSize); }
    CDingChangArray(const CDingChangArray&) = default;

    CDingChangArray& operator=(const CDingChangArray& source) {
        return operator=(static_cast<const CAnQianArray<T>&>(source));
    }

    // The target keeps its own capacity and becomes an element-by-element copy.
    CDingChangArray& operator=(const CAnQianArray<T>& source) {
        // A vector may not be assigned a range of its own elements.
        if (&source == this) return *this;
        if (source.GetSize() > capacity_)
            throw CMyException(FormatText("CDingChangArray等于溢出。数组元素大小%d,源数组元素数量%d",
                                          static_cast<int>(sizeof(T)), source.GetSize()));
        this->elements_.assign(source.begin(), source.end());
        return *this;
    }

    int GetCapacity() const { return capacity_; }

    bool SetSize(int count) {
        if (count > capacity_) return false;
        CAnQianArray<T>::SetSize(count);
        return true;
    }

    // Appends count copies of value; returns the index of the first one, or -1
    // (and no change) when they would not fit.
    int Append(const T& value, int count) {
        const int oldSize = this->GetSize();
        if (count > capacity_ - oldSize) return -1;
        if (count > 0) this->elements_.insert(this->elements_.end(), static_cast<std::size_t>(count), value);
        return oldSize;
    }

    int Add(const T& value) = delete;
    void SetAtGrow(int index, const T& value) = delete;

private:
    int capacity_;
};
