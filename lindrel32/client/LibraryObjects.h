#pragma once

#include <stdexcept>
#include <string>

#include "lindrel32/Interfaces.h"

// A program's objects of the library's classes: created by class identifier
// through the platform's object creation (the registration in the current
// machine image names the library to load) on first use, and kept until the
// process ends. There is no built-in fallback: without a usable registration
// the first use throws LibraryUnavailable, whose text a program shows as is.
namespace lindrel32 {

class LibraryUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

IQVREG& registryObject();
IQVFKT& functionsObject();
IQVINF& informationObject();
IQVFILE& fileObject();

// Registers the library (DllRegisterServer of the copy this program loaded) in
// the current image and records that it was registered. "" on success, else why not.
std::string registerLibrary();
// Removes the registration (DllUnregisterServer). "" on success, else why not.
std::string unregisterLibrary();

}  // namespace lindrel32
