#include "lindrel32/client/LibraryObjects.h"

#include <cstdio>

#include "lindrel32/ServerEntryPoints.h"
#include "platform/component/ClassRegistration.h"
#include "platform/component/ObjectCreation.h"
#include "platform/component/RegistrationRecord.h"
#include "platform/machine/Machine.h"

namespace lindrel32 {

namespace platform = vantix::platform;

namespace {

constexpr const char* kRegisterHint = " (register the library with: vantix-cli lib register)";

std::string hex(HResult result) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(result));
    return text;
}

// An image set up before the library registered itself has no registration and
// no record of one: register it once, saying so. An image whose registration was
// removed after that is left alone, so that its programs fail visibly.
void repairImageOlderThanRegistration(platform::Machine& machine, const Guid& clsid) {
    if (platform::serversRegisteredOnce(machine.dir())) return;
    if (machine.registry().keyExists(platform::Root::ClassesRoot,
                                     "CLSID\\" + platform::guidText(clsid)))
        return;
    if (const std::string failure = registerLibrary(); !failure.empty())
        throw LibraryUnavailable("cannot register liblindrel32.so in the machine image " +
                                 machine.dir().string() + ": " + failure);
    std::fprintf(stderr,
                 "Registered liblindrel32.so in the machine image %s, which was made before its "
                 "classes were registered.\n",
                 machine.dir().c_str());
}

template <class Interface>
Interface* create(const ClassIdentity& identity) {
    platform::Machine& machine = platform::currentMachine();
    repairImageOlderThanRegistration(machine, identity.clsid);
    void* object = nullptr;
    const platform::Creation creation =
        platform::createInstance(machine.registry(), identity.clsid, Interface::kIid, &object);
    if (!creation)
        throw LibraryUnavailable(std::string("cannot create ") + identity.progId + ": " +
                                 creation.message + kRegisterHint);
    return static_cast<Interface*>(object);
}

// Each object is made once and never released: it lives until the process ends.
template <class Interface>
Interface& processObject(const ClassIdentity& identity) {
    static Interface* object = create<Interface>(identity);  // a throw leaves it to the next call
    return *object;
}

}  // namespace

IQVREG& registryObject() {
    return processObject<IQVREG>(kClasses[0]);
}
IQVFKT& functionsObject() {
    return processObject<IQVFKT>(kClasses[1]);
}
IQVINF& informationObject() {
    return processObject<IQVINF>(kClasses[2]);
}
IQVFILE& fileObject() {
    return processObject<IQVFILE>(kClasses[3]);
}

std::string registerLibrary() {
    if (const HResult result = DllRegisterServer(); result != platform::hresult::Ok)
        return "DllRegisterServer failed (" + hex(result) + ")";
    if (!platform::recordServersRegistered(platform::currentMachine().dir()))
        return "cannot record the registration in " + platform::currentMachine().dir().string();
    return {};
}

std::string unregisterLibrary() {
    if (const HResult result = DllUnregisterServer(); result != platform::hresult::Ok)
        return "DllUnregisterServer failed (" + hex(result) + ")";
    return {};
}

}  // namespace lindrel32
