#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lindrel32/ClassIds.h"
#include "platform/component/Unknown.h"
#include "platform/peimage/RgbaImage.h"

// The interfaces the library's classes hand out, each starting with the three
// reference-counting slots and then the class's operations in interface order.
// The classes' headers say what each operation does. Like the classes'
// C++ API, a call may throw where the operation fails the call itself.
namespace lindrel32 {

using vantix::platform::HResult;

class IQVREG : public vantix::platform::IUnknown {
public:
    static constexpr const Guid& kIid = kIidQVREG;

    [[nodiscard]] virtual std::string GetReg(const std::string& MainSubKey,
                                             const std::string& Value,
                                             const std::string& VarTyp = "") = 0;
    [[nodiscard]] virtual std::int32_t GetSubKeyAnzahl(const std::string& MainSubKey) = 0;
    [[nodiscard]] virtual std::int16_t GetPfad(const std::string& MainSubKey,
                                               std::vector<std::string>& ExPfade) = 0;
    [[nodiscard]] virtual std::int16_t GetPfadValue(const std::string& MainSubKey,
                                                    std::vector<std::string>& ExPfade,
                                                    std::vector<std::int32_t>& ExType) = 0;
    virtual bool DelReg(const std::string& MainSubKey, const std::string& ValueKey) = 0;
    virtual bool SetReg(const std::string& MainSubKey, const std::string& ValueKey,
                        const std::string& Wert, const std::string& VarTyp = "") = 0;
    virtual bool RenameReg(const std::string& MainSubKey, const std::string& OldValueKey,
                           const std::string& NewValueKey, const std::string& VarTyp = "") = 0;
    // Slots after the operations, for the command line and logs.
    [[nodiscard]] virtual bool ValueExists(const std::string& MainSubKey,
                                           const std::string& Value) = 0;
    [[nodiscard]] virtual const std::string& LastError() const = 0;
    [[nodiscard]] virtual bool LastErrorIsBadInput() const = 0;

protected:
    ~IQVREG() override = default;
};

class IQVFKT : public vantix::platform::IUnknown {
public:
    static constexpr const Guid& kIid = kIidQVFKT;

    [[nodiscard]] virtual bool GET_IsBitSet(std::int32_t Num, std::int32_t bit) = 0;
    virtual std::int32_t SET_Bit(std::int32_t& Num, std::int32_t bit) = 0;
    virtual std::int32_t DEL_Bit(std::int32_t& Num, std::int32_t bit) = 0;
    [[nodiscard]] virtual std::string CRYPT(const std::string& XText) = 0;
    virtual std::int32_t GET_TaskHandle(std::int32_t& Handle, std::string& TaskName) = 0;
    virtual std::int32_t GET_WindowPos(std::int32_t Handle, std::int32_t& RLeft, std::int32_t& RTop,
                                       std::int32_t& RWidth, std::int32_t& RHeight) = 0;
    virtual bool SET_CenterWindow(std::int32_t MainHandle, std::int32_t SubForm) = 0;
    virtual void SET_ViewWindow(std::int32_t Handle, std::int16_t Attribut = 1) = 0;
    virtual void FILE_Copy(const std::string& Quelldatei, const std::string& Zieldatei) = 0;
    virtual void FILE_Delete(const std::string& Datei) = 0;
    virtual bool ShellExec(std::int32_t Handle, const std::string& Datei, const std::string& Param,
                           const std::string& WorkPath, std::int16_t Style = 0) = 0;
    virtual bool GET_FileIcon(vantix::platform::RgbaImage& Picture, const std::string& ExeFile,
                              std::int16_t IconNummer = 0) = 0;
    virtual void APP_Terminate(std::int32_t ProcessID) = 0;
    [[nodiscard]] virtual bool GET_FileExecutable(const std::string& ExeFile) = 0;
    [[nodiscard]] virtual std::string GET_ShortFileName(const std::string& FileName) = 0;
    [[nodiscard]] virtual bool GET_FileExist(const std::string& File) = 0;
    // `Number` is optional: one slot, two overloads.
    [[nodiscard]] virtual std::int32_t GET_WinVersion() = 0;
    [[nodiscard]] virtual std::int32_t GET_WinVersion(std::int16_t& Number) = 0;
    virtual void CREATE_Shortcut(const std::string& DestFolder, const std::string& LinkName,
                                 const std::string& LinkPath, const std::string& Arguments) = 0;
    [[nodiscard]] virtual std::string GET_Dateiname(const std::string& Pfad, bool Ext) = 0;
    [[nodiscard]] virtual std::string GET_Pfadname(const std::string& Pfad) = 0;
    [[nodiscard]] virtual std::string GET_Ini(const std::string& FileName,
                                              const std::string& Section,
                                              const std::string& Keyword) = 0;
    virtual bool SET_Ini(const std::string& FileName, const std::string& Section,
                         const std::string& Keyword, const std::string& Wert) = 0;
    virtual void SET_FormTop(std::int32_t Handle, bool Top) = 0;

protected:
    ~IQVFKT() override = default;
};

class IQVINF : public vantix::platform::IUnknown {
public:
    static constexpr const Guid& kIid = kIidQVINF;

    [[nodiscard]] virtual std::string INF_GetCompName() = 0;
    [[nodiscard]] virtual std::string INF_GetUserName() = 0;
    virtual void INF_GetMemory(std::uint8_t& PercentUsed, std::int32_t& TotalRam,
                               std::int32_t& FreeRam) = 0;
    virtual void INF_Processor(std::string& ProcessorTyp, std::int32_t& NumOfProcessors,
                               std::int32_t& ActiveProcessor) = 0;
    [[nodiscard]] virtual std::string INF_GetKeyboardType(std::int32_t& FunctionKeys) = 0;
    virtual void INF_DriveAnz(std::int16_t& Removable, std::int16_t& NotRemovable, std::int16_t& CD,
                              std::int16_t& RAM, std::int16_t& Network) = 0;
    [[nodiscard]] virtual std::int32_t INF_DriveType(const std::string& strRoot) = 0;

protected:
    ~IQVINF() override = default;
};

class IQVFILE : public vantix::platform::IUnknown {
public:
    static constexpr const Guid& kIid = kIidQVFILE;

    virtual bool INF_FileDate(const std::string& FileName, std::vector<std::string>& Ret,
                              const std::string& Keyword = "") = 0;
    [[nodiscard]] virtual std::int32_t INF_FileSize(const std::string& FileName) = 0;
    virtual bool INF_FileVersion(const std::string& FileName, std::vector<std::string>& Ret) = 0;

protected:
    ~IQVFILE() override = default;
};

// The three slots for an object whose owner decides its lifetime (a member or
// a local): the counts do nothing. Objects of the class factory are counted.
template <class Interface>
class OwnedObject : public Interface {
public:
    HResult QueryInterface(const Guid& iid, void** object) override {
        if (!object) return vantix::platform::hresult::Pointer;
        if (iid == Interface::kIid || iid == vantix::platform::kIidUnknown) {
            *object = static_cast<Interface*>(this);
            this->AddRef();
            return vantix::platform::hresult::Ok;
        }
        *object = nullptr;
        return vantix::platform::hresult::NoInterface;
    }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }

protected:
    ~OwnedObject() override = default;
};

}  // namespace lindrel32
