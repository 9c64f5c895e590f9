#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "shell/SettingsAccess.h"

// A settings store in memory that keeps the order of the writes.
class RecordingSettings : public vantix::shell::SettingsAccess {
public:
    std::string get(const std::string& section, const std::string& key, const std::string& fallback) override {
        auto it = values.find({section, key});
        return it == values.end() ? fallback : it->second;
    }
    bool save(const std::string& section, const std::string& key, const std::string& value) override {
        values[{section, key}] = value;
        writes.push_back(key);
        return true;
    }
    bool deleteValue(const std::string& section, const std::string& key) override {
        deletes.push_back(section + "|" + key);
        return values.erase({section, key}) > 0;
    }
    void set(const std::string& key, const std::string& value) { values[{"Settings\\MainWindow", key}] = value; }

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> writes;
    std::vector<std::string> deletes;
};
