#pragma once

#include <string>

#include "lindrel32/QVREG.h"
#include "tests/lindrel32/BareImage.h"

// A bare image whose boot directory ("BootDir") holds a BOOT.INI.
class NtImage : public BareImage {
public:
    explicit NtImage(const std::string& bootIni) {
        lindrel32::QVREG(*machine).SetReg(
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir",
            "C:\\");
        ScratchDir::write(bootIni_(), bootIni);
    }
    std::filesystem::path bootIni_() const { return driveC() / "BOOT.INI"; }
    std::string bootIni() const { return ScratchDir::read(bootIni_()); }
    std::string backup() const { return ScratchDir::read(driveC() / "BOOT.BAK"); }
};

inline constexpr const char* kSampleBootIni =
    "[boot loader]\r\ntimeout=30\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINNT\r\n"
    "[operating systems]\r\nmulti(0)disk(0)rdisk(0)partition(1)\\WINNT=\"Windows NT "
    "Workstation\"\r\n"
    "multi(0)disk(0)rdisk(0)partition(1)\\WINNTVGA=\"Windows NT [VGA mode]\" /basevideo /sos\r\n"
    "C:\\=\"MS-DOS\"\r\n";
