#pragma once
// Reference counting shared by every object of the graphics layer.
//
// Two counts keep an object alive. The public count is what AddRef/Release
// report to callers and what leak checks read. The binding count is held by
// the device's own state and by state blocks: a texture set on a stage stays
// usable after its owner released it, but does not keep the device alive (the
// device drops its bindings when it goes). The object is deleted when both
// counts are zero.

#include <cstdint>
#include <memory>

#include "platform/d3d9/D3D9Interfaces.h"
#include "platform/d3d9/ObjectCensus.h"

namespace ondrel::graphics {

template <class Interface>
class ComObject : public Interface {
public:
    // Every object keeps the census alive: the last one may go after the
    // system object that made it.
    ComObject(std::shared_ptr<ObjectCensus> census, ObjectKind kind) : census_(std::move(census)), kind_(kind) {
        if (census_ != nullptr) census_->Born(kind_);
    }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT QueryInterface(REFIID, void** object) override {
        if (object != nullptr) *object = nullptr;
        return E_NOINTERFACE;
    }

    ULONG AddRef() override {
        if (publicRefs_++ == 0 && everReleased_) OnRevived();
        return publicRefs_;
    }

    ULONG Release() override {
        if (publicRefs_ == 0) return 0;  // an over-release; nothing left to drop
        const ULONG left = --publicRefs_;
        if (left == 0) {
            everReleased_ = true;
            // Dropping what we hold may end the device, which unbinds us:
            // hold a binding of our own until that is over.
            Bind();
            OnLastPublicRelease();
            Unbind();
        }
        return left;
    }

    void Bind() { ++bindings_; }
    void Unbind() {
        if (bindings_ > 0) --bindings_;
        if (bindings_ == 0 && publicRefs_ == 0) delete this;
    }

    ULONG PublicRefs() const { return publicRefs_; }

protected:
    virtual ~ComObject() {
        if (census_ != nullptr) census_->Died(kind_);
    }
    // The public count fell to zero: let go of the device and of other
    // objects this one holds.
    virtual void OnLastPublicRelease() {}
    // A caller took a public reference again (through a getter) after it had
    // fallen to zero: take back what OnLastPublicRelease let go.
    virtual void OnRevived() {}

private:
    std::shared_ptr<ObjectCensus> census_;
    ObjectKind kind_;
    ULONG publicRefs_ = 1;
    ULONG bindings_ = 0;
    bool everReleased_ = false;
};

// A binding held by device state or a state block: copyable, and each copy
// holds its own binding.
template <class Object>
class Binding {
public:
    Binding() = default;
    explicit Binding(Object* object) : object_(object) {
        if (object_ != nullptr) object_->Bind();
    }
    Binding(const Binding& other) : Binding(other.object_) {}
    Binding& operator=(const Binding& other) {
        if (this != &other) Reset(other.object_);
        return *this;
    }
    ~Binding() { Reset(nullptr); }

    void Reset(Object* object) {
        if (object != nullptr) object->Bind();
        Object* old = object_;
        object_ = object;
        if (old != nullptr) old->Unbind();
    }
    Object* Get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    bool operator==(const Binding& other) const { return object_ == other.object_; }

private:
    Object* object_ = nullptr;
};

}  // namespace ondrel::graphics
