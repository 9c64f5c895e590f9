#include "platform/component/RegistrationRecord.h"

#include <fstream>

namespace vantix::platform {

namespace {

constexpr const char* kRecordFile = "vantix-servers-registered";

}  // namespace

bool serversRegisteredOnce(const std::filesystem::path& imageDir) {
    std::error_code error;
    return std::filesystem::exists(imageDir / kRecordFile, error);
}

bool recordServersRegistered(const std::filesystem::path& imageDir) {
    if (serversRegisteredOnce(imageDir)) return true;
    std::ofstream out(imageDir / kRecordFile);
    out << "The in-process servers of this image have been registered in its registry.\n";
    return static_cast<bool>(out.flush());
}

}  // namespace vantix::platform
