#include "lindrel32/ClassFactory.h"

#include <atomic>
#include <new>

#include "lindrel32/QVFILE.h"
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVINF.h"
#include "lindrel32/QVREG.h"

namespace lindrel32::server {

namespace platform = vantix::platform;
namespace hresult = vantix::platform::hresult;

namespace {

std::atomic<long> liveObjects{0};
// Factory references and LockServer(true) calls both keep the library in use.
std::atomic<long> locks{0};

// An object handed out by a factory: deleted by its last Release.
template <class Class>
class Counted final : public Class {
public:
    Counted() { ++liveObjects; }
    ~Counted() override { --liveObjects; }

    std::uint32_t AddRef() override { return ++references_; }
    std::uint32_t Release() override {
        const std::uint32_t left = --references_;
        if (left == 0) delete this;
        return left;
    }

private:
    std::atomic<std::uint32_t> references_{0};
};

template <class Class>
class Factory final : public platform::IClassFactory {
public:
    HResult QueryInterface(const Guid& iid, void** object) override {
        if (!object) return hresult::Pointer;
        if (iid == platform::kIidClassFactory || iid == platform::kIidUnknown) {
            *object = static_cast<platform::IClassFactory*>(this);
            AddRef();
            return hresult::Ok;
        }
        *object = nullptr;
        return hresult::NoInterface;
    }
    // The factories live as long as the library; their references count as locks.
    std::uint32_t AddRef() override { return static_cast<std::uint32_t>(++locks); }
    std::uint32_t Release() override { return static_cast<std::uint32_t>(--locks); }

    HResult CreateInstance(platform::IUnknown* outer, const Guid& iid, void** object) override {
        if (!object) return hresult::Pointer;
        *object = nullptr;
        if (outer) return hresult::NoAggregation;
        auto* created = new (std::nothrow) Counted<Class>();
        if (!created) return hresult::OutOfMemory;
        // Held across the query, so that a refused interface deletes the object.
        created->AddRef();
        const HResult result = created->QueryInterface(iid, object);
        created->Release();
        return result;
    }
    HResult LockServer(bool lock) override {
        lock ? ++locks : --locks;
        return hresult::Ok;
    }
};

Factory<QVREG> registryFactory;
Factory<QVFKT> functionsFactory;
Factory<QVINF> informationFactory;
Factory<QVFILE> fileFactory;

}  // namespace

platform::IClassFactory* factoryOf(const Guid& clsid) {
    if (clsid == kClsidQVREG) return &registryFactory;
    if (clsid == kClsidQVFKT) return &functionsFactory;
    if (clsid == kClsidQVINF) return &informationFactory;
    if (clsid == kClsidQVFILE) return &fileFactory;
    return nullptr;
}

bool inUse() {
    return liveObjects > 0 || locks > 0;
}

}  // namespace lindrel32::server
