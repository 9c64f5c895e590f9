#pragma once

#include <cstdint>
#include <utility>

#include "platform/component/Guid.h"

// The in-process component model: reference-counted interfaces, class factories
// and the 32-bit result codes that cross a library's entry points.
namespace vantix::platform {

using HResult = std::int32_t;

namespace hresult {
constexpr HResult Ok = 0;                                             // S_OK
constexpr HResult False = 1;                                          // S_FALSE
constexpr HResult NoInterface = static_cast<HResult>(0x80004002);     // E_NOINTERFACE
constexpr HResult Pointer = static_cast<HResult>(0x80004003);         // E_POINTER
constexpr HResult Fail = static_cast<HResult>(0x80004005);            // E_FAIL
constexpr HResult OutOfMemory = static_cast<HResult>(0x8007000E);     // E_OUTOFMEMORY
constexpr HResult ModuleNotFound = static_cast<HResult>(0x8007007E);  // ERROR_MOD_NOT_FOUND
constexpr HResult ProcNotFound = static_cast<HResult>(0x8007007F);    // ERROR_PROC_NOT_FOUND
constexpr HResult NoAggregation = static_cast<HResult>(0x80040110);   // CLASS_E_NOAGGREGATION
constexpr HResult ClassNotAvailable =
    static_cast<HResult>(0x80040111);  // CLASS_E_CLASSNOTAVAILABLE
constexpr HResult ClassNotRegistered = static_cast<HResult>(0x80040154);  // REGDB_E_CLASSNOTREG
constexpr HResult RegistrationFailed = static_cast<HResult>(0x80040201);  // SELFREG_E_CLASS
}  // namespace hresult

// {00000000-0000-0000-C000-000000000046} and {00000001-0000-0000-C000-000000000046}.
inline constexpr Guid kIidUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr Guid kIidClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// Every interface starts with these three slots. An object stays alive while
// its count is above zero; the last Release deletes it.
class IUnknown {
public:
    // On success *object holds the interface asked for, already AddRef'ed; on
    // failure it is nullptr and the result is NoInterface (or Pointer for a null `object`).
    virtual HResult QueryInterface(const Guid& iid, void** object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    virtual ~IUnknown() = default;  // released, never deleted through an interface
};

class IClassFactory : public IUnknown {
public:
    // A new object asked for by `iid`; `outer` must be nullptr (no aggregation).
    virtual HResult CreateInstance(IUnknown* outer, const Guid& iid, void** object) = 0;
    // Keeps the library loaded while `lock` holds, without an object alive.
    virtual HResult LockServer(bool lock) = 0;

protected:
    ~IClassFactory() override = default;
};

// The library entry point that hands out class factories.
using GetClassObjectFunction = HResult (*)(const Guid& clsid, const Guid& iid, void** object);

// Owns one reference to an interface and releases it when it goes.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { reset(); }

    // Where a creation call stores the new reference (the one held is released first).
    void** put() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    void reset() {
        if (pointer_) std::exchange(pointer_, nullptr)->Release();
    }
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    Interface& operator*() const { return *pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace vantix::platform
