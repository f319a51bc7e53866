#pragma once
// The resizable array of the framework, the GUI toolkit and the enumeration.
// Growth follows fixed rules so that memory use and failures are the same
// everywhere: the capacity doubles (starting at 16) or jumps to the request
// when that is larger; a failed growth leaves the array exactly as it was.
// Failures are status codes, never exceptions.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "devicesettings/enumeration/AllocationGate.h"
#include "platform/win32/WinTypes.h"

namespace ondrel::devicesettings {

template <class T>
class GrowableArray {
    static_assert(std::is_nothrow_move_constructible_v<T>, "elements move without failing");
    static_assert(alignof(T) <= alignof(std::max_align_t), "storage comes from malloc");

public:
    static constexpr int kFirstCapacity = 16;

    GrowableArray() = default;
    ~GrowableArray() { Release(); }
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;
    GrowableArray(GrowableArray&& other) noexcept { TakeFrom(other); }
    GrowableArray& operator=(GrowableArray&& other) noexcept {
        if (this != &other) {
            Release();
            TakeFrom(other);
        }
        return *this;
    }

    // Room for n elements: a negative n is refused, 0 frees the storage.
    HRESULT Reserve(int n) {
        if (n < 0) return E_INVALIDARG;
        if (n == 0) {
            Release();
            return S_OK;
        }
        if (data_ != nullptr && capacity_ >= n) return S_OK;
        return Grow(NextCapacity(n));
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

    int IndexOf(const T& value) const {
        for (int i = 0; i < count_; ++i) {
            if (data_[i] == value) return i;
        }
        return -1;
    }
    bool Contains(const T& value) const { return IndexOf(value) >= 0; }

    int GetSize() const { return count_; }
    int Capacity() const { return capacity_; }
    bool Empty() const { return count_ == 0; }
    T& operator[](int index) { return data_[index]; }
    const T& operator[](int index) const { return data_[index]; }
    T* begin() { return data_; }
    T* end() { return data_ + count_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + count_; }

private:
    int NextCapacity(int n) const {
        const int doubled = capacity_ == 0 ? kFirstCapacity
                            : capacity_ > std::numeric_limits<int>::max() / 2 ? std::numeric_limits<int>::max()
                                                                               : capacity_ + capacity_;
        return doubled > n ? doubled : n;
    }

    HRESULT Grow(int capacity) {
        const auto elements = static_cast<std::size_t>(capacity);
        if (elements > std::numeric_limits<std::size_t>::max() / sizeof(T)) return E_OUTOFMEMORY;
        T* storage = static_cast<T*>(AllocateStorage(elements * sizeof(T)));
        if (storage == nullptr) return E_OUTOFMEMORY;
        if (data_ != nullptr) {
            std::uninitialized_move(data_, data_ + count_, storage);
            std::destroy(data_, data_ + count_);
            FreeStorage(data_);
        }
        data_ = storage;
        capacity_ = capacity;
        return S_OK;
    }

    void Release() {
        if (data_ != nullptr) {
            std::destroy(data_, data_ + count_);
            FreeStorage(data_);
        }
        data_ = nullptr;
        count_ = 0;
        capacity_ = 0;
    }

    void TakeFrom(GrowableArray& other) {
        data_ = std::exchange(other.data_, nullptr);
        count_ = std::exchange(other.count_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }

    T* data_ = nullptr;
    int count_ = 0;
    int capacity_ = 0;
};

}  // namespace ondrel::devicesettings
