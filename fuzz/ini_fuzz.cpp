// The INI reader on arbitrary bytes: decoding, parsing, an unchanged rewrite
// that must give back the very same bytes, and one edit that must read back.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile/IniDocument.h"
#include "platform/profile/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vantix::platform::IniFile file = vantix::platform::IniFile::fromBytes(bytes);
    if (file.toBytes() != bytes) std::abort();  // a rewrite without change is byte-identical

    auto& doc = file.document;
    for (const std::string& section : doc.sectionNames()) {
        for (const std::string& key : doc.keyNames(section)) (void)doc.value(section, key);
    }
    // Section and key names taken from the input itself, so edits hit existing lines.
    const std::size_t cut = size / 3;
    const std::string section(bytes.substr(0, std::min<std::size_t>(cut, 8)));
    const std::string key(bytes.substr(cut, 8));
    const std::string value = "fuzzed value";
    if (!vantix::platform::IniDocument::invalidEntry(section, key, value)) {
        doc.setValue(section, key, value);
        const auto reparsed = vantix::platform::IniDocument::parse(doc.text());
        if (reparsed.value(section, key) != value) std::abort();
    }
    doc.removeKey(section, key);
    doc.removeSection(section);
    (void)file.toBytes();
    return 0;
}
