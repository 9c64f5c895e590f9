#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/ImageHost.h"
#include "catalogue/ProgramStarter.h"

// Starts what the catalogue lists on a machine image: our native programs
// directly, Windows programs and Control Panel files through Wine in the image
// (when Wine is installed), documents with the desktop's default application.
namespace vantix::catalogue {

// A command line split into its program and arguments: the first word, or the
// quoted text at the start ("\"C:\APP\Module\REGALTO\"/START" gives the
// program and "/START"); further words split at blanks, quotes grouping.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

class ImageStarter : public ProgramStarter {
public:
    explicit ImageStarter(ImageHost& host) : host_(host) {}
    bool runCommandLine(const std::string& commandLine) override;
    bool shellExecute(const std::string& file, const std::string& parameters, const std::string& workDir,
                      int style) override;

    // The argv that starts `program` with `arguments`; nullopt when it cannot be
    // started here. Our programs of the program folder get "--machine <image>" first.
    std::optional<std::vector<std::string>> commandFor(const std::string& program,
                                                       const std::vector<std::string>& arguments);

private:
    bool spawn(const std::vector<std::string>& argv, const std::string& workDir);
    ImageHost& host_;
};

}  // namespace vantix::catalogue
