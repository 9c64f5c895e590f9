#pragma once

#include <stdlib.h>

#include <cstdio>

#include <filesystem>
#include <fstream>
#include <string>

// A machine image whose system.reg has the size of a fresh Wine prefix's
// (about 1.7 MB, 9,000 keys), made in a temporary folder and removed again.
class BenchImage {
public:
    BenchImage() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vantix-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir_ = pattern;
        std::ofstream system(dir_ / "system.reg", std::ios::binary);
        system << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n";
        // In Wine's save order, as wineserver writes it: numbers padded to sort.
        for (int i = 0; i < 9000; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "Bench%02d\\\\Key%04d", i / 100, i);
            system << "\n[Software\\\\Classes\\\\" << name << "] 1700000000\n"
                   << "#time=1da1f2c3d4e5f60\n"
                   << "@=\"Default text of key number " << i << "\"\n"
                   << "\"Path\"=\"C:\\\\windows\\\\system32\\\\bench" << i << ".dll\"\n"
                   << "\"Flags\"=dword:" << std::hex << (i * 2654435761u) << std::dec << "\n";
        }
        system.close();
        std::ofstream(dir_ / "user.reg", std::ios::binary)
            << "WINE REGISTRY Version 2\n\n#arch=win64\n";
        std::filesystem::create_directories(dir_ / "drive_c" / "windows");
        std::filesystem::create_directories(dir_ / "dosdevices");
        std::filesystem::create_directory_symlink("../drive_c", dir_ / "dosdevices" / "c:");
    }
    ~BenchImage() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    const std::filesystem::path& dir() const { return dir_; }
    std::uintmax_t systemSize() const { return std::filesystem::file_size(dir_ / "system.reg"); }

private:
    std::filesystem::path dir_;
};
