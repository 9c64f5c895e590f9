// Opens arbitrary bytes as the catalogue file and reads every row the shell
// reads: a damaged or foreign file must fail with the engine's message and
// never crash or hang the reader.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "platform/database/CatalogueFile.h"
#include "platform/database/Database.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantix::platform;
    static const std::string folder = [] {
        std::string pattern = "/tmp/vantix-catalogue-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    const std::string file = folder + "/QUORVIA.MDE";
    ::unlink(file.c_str());
    if (FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    try {
        auto db = openCatalogue(file, catalogueConnectString(), {.readOnly = true});
        for (const char* table : {"BAR_FOLDER", "BAR_CONTROL", "LIST_UTILITI", "HIDDEN_FOLDERS",
                                  "HIDDEN_ITEMS", "HIDDEN_EIGENSCHAFT", "HIDDEN_BEFEHLE"}) {
            auto rows = db->openRecordset(table);
            for (int n = 0; !rows->eof() && n < 10000; rows->moveNext(), ++n)
                for (const auto& field : rows->fieldNames()) {
                    (void)rows->text(field);
                    (void)rows->integer(field);
                }
        }
    } catch (const DatabaseError&) {
        // The expected outcome for almost every input.
    }
    return 0;
}
