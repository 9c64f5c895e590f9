#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/ImageHost.h"
#include "catalogue/ProgramStarter.h"
#include "catalogue/Prompter.h"
#include "catalogue/SettingsAccess.h"
#include "platform/database/Database.h"
#include "platform/text/Text.h"
#include "tests/support/ScratchDir.h"

// A fresh machine image (drive C: with WINDOWS and SYSTEM), a program folder and
// a catalogue built from the default schema and sidebar.
class TestCatalogue {
public:
    TestCatalogue() {
        namespace fs = std::filesystem;
        fs::create_directories(scratch_ / "image/dosdevices");
        fs::create_directories(scratch_ / "image/drive_c/WINDOWS/SYSTEM");
        fs::create_directory_symlink("../drive_c", scratch_ / "image/dosdevices/c:");
        fs::create_directories(scratch_ / "program/Module");
        database = vantix::platform::Database::open(scratch_ / "program/QUORVIA.MDE", {.readOnly = false, .create = true});
        const fs::path data = fs::path(VANTIX_TEST_DATA) / "../../data/catalogue";
        database->executeScript(ScratchDir::read(data / "schema.sql"));
        database->executeScript(ScratchDir::read(data / "sidebar.sql"));
        host = std::make_unique<vantix::catalogue::ImageHost>(vantix::catalogue::ImageHostPaths{
            scratch_ / "image", scratch_ / "program", "C:\\WINDOWS\\SYSTEM\\", "C:\\WINDOWS\\Start Menu\\Programs"});
    }

    std::filesystem::path drive() const { return scratch_ / "image/drive_c"; }
    std::filesystem::path programDir() const { return scratch_ / "program"; }

    // A file on drive C: from its Windows path below C:\ ("WINDOWS\CALC.EXE").
    void makeFile(const std::string& belowC, std::string_view bytes = "MZ") {
        std::string relative = belowC;
        for (auto& c : relative)
            if (c == '\\') c = '/';
        ScratchDir::write(drive() / relative, bytes);
    }

    std::int64_t count(const std::string& sql) { return database->scalar(sql)->toInteger(); }

    ScratchDir scratch_;
    std::unique_ptr<vantix::platform::Database> database;
    std::unique_ptr<vantix::catalogue::ImageHost> host;
};

// The settings store in memory; value names compare without regard to case, as in the registry.
class MemorySettings : public vantix::catalogue::SettingsAccess {
public:
    std::string get(const std::string& section, const std::string& key, const std::string& fallback) override {
        const auto found = values.find(name(section, key));
        return found == values.end() ? fallback : found->second;
    }
    bool save(const std::string& section, const std::string& key, const std::string& value) override {
        values[name(section, key)] = value;
        return true;
    }
    bool deleteValue(const std::string& section, const std::string& key) override {
        return values.erase(name(section, key)) > 0;
    }
    bool deleteSection(const std::string& section) override {
        const std::string prefix = vantix::text::toUpper(section) + "|";
        return std::erase_if(values, [&](const auto& item) { return item.first.starts_with(prefix); }) > 0;
    }
    static std::string name(const std::string& section, const std::string& key) {
        return vantix::text::toUpper(section) + "|" + vantix::text::toUpper(key);
    }
    std::map<std::string, std::string> values;
};

// Records every message and answers questions from a queue (No when empty).
class RecordingPrompter : public vantix::catalogue::Prompter {
public:
    void message(vantix::catalogue::MessageIcon icon, const std::string& title, const std::string& text) override {
        shown.push_back({icon, title, text});
    }
    bool askYesNo(const std::string& title, const std::string& text) override {
        asked.push_back(title + "|" + text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    struct Shown {
        vantix::catalogue::MessageIcon icon;
        std::string title;
        std::string text;
    };
    std::vector<Shown> shown;
    std::vector<std::string> asked;
    std::vector<bool> answers;
};

class RecordingStarter : public vantix::catalogue::ProgramStarter {
public:
    bool runCommandLine(const std::string& commandLine) override {
        started.push_back(commandLine);
        return true;
    }
    bool shellExecute(const std::string& file, const std::string& parameters, const std::string& workDir,
                      int style) override {
        started.push_back(file + "|" + parameters + "|" + workDir + "|" + std::to_string(style));
        return true;
    }
    std::vector<std::string> started;
};
