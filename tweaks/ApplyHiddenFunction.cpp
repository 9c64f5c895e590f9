#include "tweaks/ApplyHiddenFunction.h"

#include "platform/database/Database.h"
#include "platform/log/Log.h"
#include "platform/text/Text.h"
#include "tweaks/Placeholders.h"
#include "tweaks/TweakHost.h"

namespace vantix::tweaks {

namespace {

constexpr const char* kInput = "%EINGABE%";

std::string commandsOf(std::int64_t itemId) {
    return "select * from HIDDEN_BEFEHLE Where ITEM_ID = " + std::to_string(itemId);
}

// Runs one step; a failure is logged and the next step runs.
template <typename Step>
void bestEffort(const char* what, Step&& step) {
    try {
        step();
    } catch (const std::exception& error) {
        log::debug("tweaks", std::string(what) + " failed: " + error.what());
    }
}

}  // namespace

void RunHiddenCommand(TweakHost& host, const std::string& kind, std::string& file,
                      const std::string& path, std::string& name, const std::string& typeLetter,
                      std::string& value) {
    host.expand(file);
    host.expand(name);
    host.expand(value);
    const std::string store = kind.substr(0, 3);
    const std::string action = kind.size() >= 3 ? kind.substr(kind.size() - 3) : kind;

    if (store == "REG") {
        if (action == "SET")
            bestEffort("SetReg", [&] { host.SetReg(path, name, value, typeLetter); });
        else if (action == "DEL")
            bestEffort("DelReg", [&] { host.DelReg(path, name); });
        return;
    }
    if (store != "INI") return;

    bestEffort("clearing attributes", [&] { host.setNormalAttributes(file); });
    for (int i = 0; i < 3; ++i) host.doEvents();
    if (!path.empty() && path.front() == '%') {
        const std::string operation = text::toUpperAscii(path);
        if (operation == "%COPY%")
            bestEffort("FILE_Copy", [&] { host.FILE_Copy(file, name); });
        else if (operation == "%DEL%")
            bestEffort("FILE_Delete", [&] { host.FILE_Delete(file); });
        else if (operation == "%RENAME%")
            bestEffort("rename", [&] { host.renameFile(file, name); });
        else
            log::debug("tweaks", "unknown file operation " + path + ": nothing done");
        return;
    }
    if (action == "SET")
        bestEffort("SET_Ini", [&] { host.SET_Ini(file, path, name, value); });
    else if (action == "DEL")
        bestEffort("SET_Ini", [&] { host.SET_Ini(file, path, name, ""); });
}

void ApplyHiddenFunction(platform::Database& database, TweakHost& host, std::int64_t itemId,
                         const PageInput& input, std::string& letter) {
    if (input.pageMode == 3 && input.text.empty()) {
        bestEffort("reading the commands", [&] {
            for (auto rows = database.openRecordset(commandsOf(itemId)); !rows->eof();
                 rows->moveNext())
                if (rows->text("Kennung") == "B") {
                    letter = "B";
                    break;
                }
        });
    }
    std::unique_ptr<platform::Recordset> rows;
    bestEffort("reading the commands", [&] { rows = database.openRecordset(commandsOf(itemId)); });
    if (!rows) return;
    // On an OPTION page "%EINGABE%" has no input of its own: it carries the
    // value of the previous command over, as the page always did.
    std::string value;
    for (; !rows->eof(); rows->moveNext()) {
        bestEffort("a command", [&] {
            if (rows->text("Kennung") != letter) return;
            const std::string stored = rows->text("SET_Wert");
            if (stored == kInput) {
                if (input.pageMode == 2)
                    value = std::to_string(input.sliderPosition);
                else if (input.pageMode == 3)
                    value = input.text;
            } else {
                value = stored;
            }
            std::string file = FieldText(rows->text("SET_Datei"));
            const std::string path = FieldText(rows->text("SET_MainSubKey"));
            std::string name = FieldText(rows->text("SET_ValueKey"));
            value = FieldText(value);
            RunHiddenCommand(host, rows->text("SET_Art"), file, path, name,
                             rows->text("SET_ValueFormat"), value);
        });
    }
}

}  // namespace vantix::tweaks
