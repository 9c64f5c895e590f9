#pragma once

#include <cstdint>
#include <string>

#include "lindrel32/Export.h"
#include "lindrel32/Interfaces.h"

namespace vantix::platform {
class Machine;
}

namespace lindrel32 {

// System information as Wine reports it to a Windows program running in the
// machine image: names, memory, processor, keyboard and the image's drives.
// Stateless: each call asks the platform anew.
class LINDREL32_API QVINF : public OwnedObject<IQVINF> {
public:
    QVINF();  // works on platform::currentMachine()
    explicit QVINF(vantix::platform::Machine& machine);

    // "" when the platform gives no name.
    [[nodiscard]] std::string INF_GetCompName() override;
    [[nodiscard]] std::string INF_GetUserName() override;
    // Kilobytes, rounded; outputs left unchanged when the memory status is unreadable.
    void INF_GetMemory(std::uint8_t& PercentUsed, std::int32_t& TotalRam,
                       std::int32_t& FreeRam) override;
    // ProcessorTyp is only set for the types 386, 486 and 586.
    void INF_Processor(std::string& ProcessorTyp, std::int32_t& NumOfProcessors,
                       std::int32_t& ActiveProcessor) override;
    // The keyboard type's name ("" for an unknown type).
    [[nodiscard]] std::string INF_GetKeyboardType(std::int32_t& FunctionKeys) override;
    // Adds 1 to the counter of each drive's type; the caller zeroes them first.
    void INF_DriveAnz(std::int16_t& Removable, std::int16_t& NotRemovable, std::int16_t& CD,
                      std::int16_t& RAM, std::int16_t& Network) override;
    // The drive type code of a root such as "C:\" (1 for an invalid root).
    [[nodiscard]] std::int32_t INF_DriveType(const std::string& strRoot) override;

private:
    vantix::platform::Machine& machine();

    vantix::platform::Machine* machine_ = nullptr;  // nullptr: the current machine at each call
};

}  // namespace lindrel32
