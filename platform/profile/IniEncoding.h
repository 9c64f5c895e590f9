#pragma once

#include <string>
#include <string_view>

// The encodings a profile file may have and their lossless conversion to and
// from UTF-8, so that lines we do not change come back byte for byte.
namespace vantix::platform {

enum class IniEncoding { Ansi, Utf8Bom, Utf16LeBom, Utf16BeBom };

struct DecodedText {
    IniEncoding encoding = IniEncoding::Ansi;
    std::string text;  // UTF-8 (see decodeIni for the lossless details)
    std::string tail;  // UTF-16 files: an odd last byte, kept as it was
};

// Picks the encoding by byte-order mark (else ANSI, Windows-1252) and decodes.
// Windows-1252's five unassigned bytes map to U+0081... as Windows maps them,
// and unpaired UTF-16 surrogates are kept as three-byte sequences, so that
// encodeIni(decodeIni(x)) == x for every input. UTF-8 files are not validated.
DecodedText decodeIni(std::string_view bytes);
// The bytes of `text` (UTF-8) in `encoding`, byte-order mark first. Characters
// that Windows-1252 cannot hold become '?'.
std::string encodeIni(IniEncoding encoding, std::string_view text, std::string_view tail = {});

}  // namespace vantix::platform
