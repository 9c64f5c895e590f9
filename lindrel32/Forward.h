#pragma once

// The library's classes and their interfaces by name, for headers that only
// pass them on.
namespace lindrel32 {
class IQVREG;
class IQVFKT;
class IQVINF;
class IQVFILE;
class QVREG;
class QVFKT;
class QVINF;
class QVFILE;
}  // namespace lindrel32
