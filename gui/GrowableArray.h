#pragma once
// The resizable array the GUI toolkit keeps its controls, elements and
// tables in. Growth follows the team's fixed rule (double from 16, or jump
// to the request when larger) and a failed growth leaves the array as it
// was; failures are status codes, never exceptions.
//
// Kept here only until the device enumeration's copy is on main; then this
// header becomes an alias of that one.

#include <cstddef>
#include <cstdlib>
#include <limits>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "platform/win32/WinTypes.h"

namespace ondrel::gui {

template <class T>
class GrowableArray {
    static_assert(std::is_nothrow_move_constructible_v<T>, "elements move without failing");

public:
    static constexpr int kFirstCapacity = 16;

    GrowableArray() = default;
    ~GrowableArray() { Release(); }
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;

    // Room for n elements: a negative n is refused, 0 frees the storage.
    HRESULT Reserve(int n) {
        if (n < 0) return E_INVALIDARG;
        if (n == 0) {
            Release();
            return S_OK;
        }
        if (data_ != nullptr && capacity_ >= n) return S_OK;
        const int doubled = capacity_ == 0 ? kFirstCapacity
                            : capacity_ > std::numeric_limits<int>::max() / 2 ? std::numeric_limits<int>::max()
                                                                               : capacity_ * 2;
        return Grow(doubled > n ? doubled : n);
    }

    HRESULT Add(T value) {
        if (count_ == std::numeric_limits<int>::max()) return E_OUTOFMEMORY;
        if (HRESULT hr = Reserve(count_ + 1); hr < 0) return hr;
        ::new (static_cast<void*>(data_ + count_)) T(std::move(value));
        ++count_;
        return S_OK;
    }

    // Removes one element, keeping the order of the rest.
    HRESULT Remove(int index) {
        if (index < 0 || index >= count_) return E_INVALIDARG;
        for (int i = index; i + 1 < count_; ++i) data_[i] = std::move(data_[i + 1]);
        std::destroy_at(data_ + count_ - 1);
        --count_;
        return S_OK;
    }

    void RemoveAll() { Release(); }

    int GetSize() const { return count_; }
    bool Empty() const { return count_ == 0; }
    T& operator[](int index) { return data_[index]; }
    const T& operator[](int index) const { return data_[index]; }
    T* begin() { return data_; }
    T* end() { return data_ + count_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + count_; }

private:
    HRESULT Grow(int capacity) {
        const auto elements = static_cast<std::size_t>(capacity);
        if (elements > std::numeric_limits<std::size_t>::max() / sizeof(T)) return E_OUTOFMEMORY;
        T* storage = static_cast<T*>(std::malloc(elements * sizeof(T)));
        if (storage == nullptr) return E_OUTOFMEMORY;
        if (data_ != nullptr) {
            std::uninitialized_move(data_, data_ + count_, storage);
            std::destroy(data_, data_ + count_);
            std::free(data_);
        }
        data_ = storage;
        capacity_ = capacity;
        return S_OK;
    }

    void Release() {
        if (data_ != nullptr) {
            std::destroy(data_, data_ + count_);
            std::free(data_);
        }
        data_ = nullptr;
        count_ = 0;
        capacity_ = 0;
    }

    T* data_ = nullptr;
    int count_ = 0;
    int capacity_ = 0;
};

}  // namespace ondrel::gui
