#include "tweaks/HiddenProperty.h"

#include <algorithm>
#include <limits>

#include "platform/database/Database.h"

namespace vantix::tweaks {

namespace {

template <typename Int>
Int narrow(std::int64_t value) {
    // Integer columns of the page are 16 or 32 bits wide; larger stored
    // numbers saturate instead of wrapping into a different value.
    return static_cast<Int>(std::clamp<std::int64_t>(value, std::numeric_limits<Int>::min(),
                                                     std::numeric_limits<Int>::max()));
}

}  // namespace

HiddenProperty HiddenProperty::fromRecord(const platform::Recordset& record) {
    HiddenProperty p;
    p.id = record.integer("ID");
    p.itemId = record.integer("ITEM_ID");
    p.presentation = record.text("TYP");
    p.captionA = record.text("A_BESCHRIFTUNG");
    p.captionB = record.text("B_BESCHRIFTUNG");
    p.restart = narrow<std::int16_t>(record.integer("Neustart"));
    p.remarks = record.text("Sonstiges");
    p.help = record.text("Hilfe");
    p.kind = record.text("MOM_Art");
    p.file = record.text("MOM_Datei");
    p.keyPath = record.text("MOM_MainSubKey");
    p.valueName = record.text("MOM_ValueKey");
    p.typeLetter = record.text("MOM_ValueFormat");
    p.ifValue = record.text("Wenn");
    p.thenOption = narrow<std::int16_t>(record.integer("Dann"));
    p.elseOption = narrow<std::int16_t>(record.integer("Sonst"));
    p.standard = record.text("Standard");
    p.sliderMin = narrow<std::int16_t>(record.integer("SliderMin"));
    p.sliderMax = narrow<std::int32_t>(record.integer("SliderMax"));
    return p;
}

std::optional<HiddenProperty> findPropertyOfItem(platform::Database& database,
                                                 std::int64_t itemId) {
    auto record = database.openRecordset("select * from HIDDEN_EIGENSCHAFT Where ITEM_ID = " +
                                         std::to_string(itemId));
    if (record->eof()) return std::nullopt;
    return HiddenProperty::fromRecord(*record);
}

std::map<std::int64_t, HiddenProperty> firstPropertyOfEach(platform::Database& database) {
    std::map<std::int64_t, HiddenProperty> result;
    for (auto rows = database.openRecordset("select * from HIDDEN_EIGENSCHAFT ORDER BY rowid");
         !rows->eof(); rows->moveNext())
        if (const std::int64_t item = rows->integer("ITEM_ID"); !result.contains(item))
            result.emplace(item, HiddenProperty::fromRecord(*rows));
    return result;
}

}  // namespace vantix::tweaks
