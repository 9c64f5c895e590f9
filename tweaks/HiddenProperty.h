#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace vantix::platform {
class Database;
class Recordset;
}  // namespace vantix::platform

namespace vantix::tweaks {

// One row of HIDDEN_EIGENSCHAFT: how a function's state is read and shown.
// Texts are as stored ("#" included); the readers apply FieldText themselves.
struct HiddenProperty {
    std::int64_t id = 0;
    std::int64_t itemId = 0;
    std::string presentation;  // TYP: "OPTION", "SLIDER", "TEXT"
    std::string captionA;
    std::string captionB;
    int restart = 0;  // Neustart: 0 none, 1 RESTART.EXE, 2 restart Windows
    std::string remarks;
    std::string help;
    std::string kind;  // MOM_Art
    std::string file;
    std::string keyPath;
    std::string valueName;
    std::string typeLetter;
    std::string ifValue;
    std::int16_t thenOption = 0;
    std::int16_t elseOption = 0;
    std::string standard;
    std::int16_t sliderMin = 0;
    std::int32_t sliderMax = 0;

    static HiddenProperty fromRecord(const platform::Recordset& record);
};

// The first property row of a function ("select * from HIDDEN_EIGENSCHAFT
// Where ITEM_ID = " + item); nullopt when it has none.
std::optional<HiddenProperty> findPropertyOfItem(platform::Database& database, std::int64_t itemId);

// The same row for every function at once, in one pass over the table (the
// query above returns a function's rows in rowid order).
std::map<std::int64_t, HiddenProperty> firstPropertyOfEach(platform::Database& database);

}  // namespace vantix::tweaks
