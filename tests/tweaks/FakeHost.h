#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tweaks/TweakHost.h"

// An in-memory system for the engine's tests: registry values, INI entries and
// files in maps, and a log of every call in the order it came.
class FakeHost : public vantix::tweaks::TweakHost {
public:
    std::map<std::string, std::string> registry;  // "path|name" -> text
    std::map<std::string, std::string> ini;       // "file|section|key" -> text
    std::map<std::string, std::string> files;     // path -> content
    std::vector<std::string> calls;
    std::string failingSetName;  // SetReg of this name throws, like a "D" conversion error
    vantix::tweaks::PlaceholderDirectories dirs{"C:\\", "C:\\WINDOWS\\", "C:\\WINDOWS\\SYSTEM\\",
                                                "/opt/vantix/"};

    std::string GetReg(const std::string& path, const std::string& name,
                       const std::string& type) override {
        calls.push_back("GetReg " + path + "|" + name + "|" + type);
        auto it = registry.find(path + "|" + name);
        return it == registry.end() ? "NO Key" : it->second;
    }
    bool SetReg(const std::string& path, const std::string& name, const std::string& value,
                const std::string& type) override {
        calls.push_back("SetReg " + path + "|" + name + "=" + value + "|" + type);
        if (name == failingSetName) throw std::invalid_argument("cannot convert");
        registry[path + "|" + name] = value;
        return true;
    }
    bool DelReg(const std::string& path, const std::string& name) override {
        calls.push_back("DelReg " + path + "|" + name);
        return registry.erase(path + "|" + name) > 0;
    }
    std::string GET_Ini(const std::string& file, const std::string& section,
                        const std::string& key) override {
        calls.push_back("GET_Ini " + file + "|" + section + "|" + key);
        auto it = ini.find(file + "|" + section + "|" + key);
        return it == ini.end() || it->second.empty() ? "NO Key" : it->second;
    }
    bool SET_Ini(const std::string& file, const std::string& section, const std::string& key,
                 const std::string& value) override {
        calls.push_back("SET_Ini " + file + "|" + section + "|" + key + "=" + value);
        ini[file + "|" + section + "|" + key] = value;
        return true;
    }
    bool setNormalAttributes(const std::string& file) override {
        calls.push_back("attrib " + file);
        return true;
    }
    void FILE_Copy(const std::string& source, const std::string& target) override {
        calls.push_back("copy " + source + ">" + target);
        if (files.count(source)) files[target] = files[source];
    }
    void FILE_Delete(const std::string& file) override {
        calls.push_back("delete " + file);
        files.erase(file);
    }
    bool renameFile(const std::string& source, const std::string& target) override {
        calls.push_back("rename " + source + ">" + target);
        return true;
    }
    bool ShellExec(const std::string& file) override {
        calls.push_back("exec " + file);
        return true;
    }
    bool restartMachine() override {
        calls.push_back("restart");
        return true;
    }
    vantix::tweaks::PlaceholderDirectories directories() override { return dirs; }

    // The calls that change something (reads and attribute clearing left out).
    std::vector<std::string> changes() const {
        std::vector<std::string> result;
        for (const auto& call : calls)
            if (call.rfind("Get", 0) != 0 && call.rfind("GET", 0) != 0 &&
                call.rfind("attrib", 0) != 0)
                result.push_back(call);
        return result;
    }
};
