// Calls each class of liblindrel32.so on the image of $VANTIX_MACHINE: writes
// and reads a registry value, asks for the platform, the computer and a file.
#include <cstdio>
#include <string>

#include "lindrel32/QVFILE.h"
#include "lindrel32/QVFKT.h"
#include "lindrel32/QVINF.h"
#include "lindrel32/QVREG.h"

int main() {
    const std::string key = "HKEY_CURRENT_USER\\Software\\Consumer";
    lindrel32::QVREG registry;
    if (!registry.SetReg(key, "Answer", "42", "D")) return 1;
    lindrel32::QVFKT functions;
    lindrel32::QVINF information;
    lindrel32::QVFILE files;
    std::printf("value %s\nplatform %d\nwin.ini %s\ncomputer %s\n",
                registry.GetReg(key, "Answer", "D").c_str(), functions.GET_WinVersion(),
                files.INF_FileSize("C:\\WINDOWS\\WIN.INI") > 0 ? "found" : "missing",
                information.INF_GetCompName().empty() ? "unnamed" : "named");
    return 0;
}
