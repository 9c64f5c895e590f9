#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "lindrel32/Export.h"
#include "lindrel32/Interfaces.h"
#include "platform/peimage/RgbaImage.h"

namespace vantix::platform {
class Machine;
}

namespace lindrel32 {

// General functions: bits, the password scramble, window helpers, files, shell
// execution, icons, short names, the platform code, file names and INI entries.
// Paths are Windows-form paths of the machine image (or host paths); file
// operations outside the image's drives and the program folder are refused.
// Window handles are those of the installed platform WindowSystem (0: none). CRYPT's
// key is kCryptKey (0x80, AnsiScramble.h).
class LINDREL32_API QVFKT : public OwnedObject<IQVFKT> {
public:
    QVFKT();  // works on platform::currentMachine()
    explicit QVFKT(vantix::platform::Machine& machine);

    [[nodiscard]] bool GET_IsBitSet(
        std::int32_t Num,
        std::int32_t bit) override;  // throws std::overflow_error for bit >= 32
    std::int32_t SET_Bit(std::int32_t& Num,
                         std::int32_t bit) override;  // throws std::overflow_error for bit >= 32
    std::int32_t DEL_Bit(std::int32_t& Num,
                         std::int32_t bit) override;  // throws std::overflow_error for bit >= 32
    [[nodiscard]] std::string CRYPT(const std::string& XText) override;
    std::int32_t GET_TaskHandle(std::int32_t& Handle, std::string& TaskName) override;
    std::int32_t GET_WindowPos(std::int32_t Handle, std::int32_t& RLeft, std::int32_t& RTop,
                               std::int32_t& RWidth, std::int32_t& RHeight) override;
    bool SET_CenterWindow(std::int32_t MainHandle, std::int32_t SubForm) override;
    void SET_ViewWindow(std::int32_t Handle, std::int16_t Attribut = 1) override;
    void FILE_Copy(const std::string& Quelldatei, const std::string& Zieldatei) override;
    void FILE_Delete(const std::string& Datei) override;
    bool ShellExec(std::int32_t Handle, const std::string& Datei, const std::string& Param,
                   const std::string& WorkPath, std::int16_t Style = 0) override;
    // Draws icon IconNummer (or the index after a comma in ExeFile) of a program,
    // library or .ico file into Picture; false when the file has no such icon.
    bool GET_FileIcon(vantix::platform::RgbaImage& Picture, const std::string& ExeFile,
                      std::int16_t IconNummer = 0) override;
    void APP_Terminate(std::int32_t ProcessID) override;
    [[nodiscard]] bool GET_FileExecutable(const std::string& ExeFile) override;
    [[nodiscard]] std::string GET_ShortFileName(const std::string& FileName) override;
    [[nodiscard]] bool GET_FileExist(const std::string& File) override;
    [[nodiscard]] std::int32_t GET_WinVersion() override;
    [[nodiscard]] std::int32_t GET_WinVersion(std::int16_t& Number) override;
    void CREATE_Shortcut(const std::string& DestFolder, const std::string& LinkName,
                         const std::string& LinkPath, const std::string& Arguments) override;
    [[nodiscard]] std::string GET_Dateiname(const std::string& Pfad, bool Ext) override;
    [[nodiscard]] std::string GET_Pfadname(const std::string& Pfad) override;
    [[nodiscard]] std::string GET_Ini(const std::string& FileName, const std::string& Section,
                                      const std::string& Keyword) override;
    bool SET_Ini(const std::string& FileName, const std::string& Section,
                 const std::string& Keyword, const std::string& Wert) override;
    void SET_FormTop(std::int32_t Handle, bool Top) override;

private:
    vantix::platform::Machine& machine();
    // The host path of a Windows-form path; nullopt (logged) when it maps nowhere or is refused.
    std::optional<std::filesystem::path> confinedHostPath(const std::string& path);
    std::optional<std::filesystem::path> iniPath(const std::string& FileName);

    vantix::platform::Machine* machine_ = nullptr;  // nullptr: the current machine at each call
};

}  // namespace lindrel32
