#pragma once
// COM-style reference counting for the library's objects: creation hands
// out one reference and the last Release deletes.

#include "platform/d3d9/D3D9Interfaces.h"

namespace gfxutil {

template <class Interface>
class RefCounted : public Interface {
public:
    HRESULT QueryInterface(REFIID, void** object) override {
        if (object != nullptr) {
            *object = nullptr;
        }
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    RefCounted() = default;
    ~RefCounted() override = default;

private:
    ULONG references_ = 1;
};

// Releases through the interface and clears the pointer.
template <class T>
void SafeRelease(T*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

}  // namespace gfxutil
