#pragma once

#include <array>

#include "platform/component/Guid.h"

// The fixed identities of the library's classes. Never change a value: images
// record them in their registry, and callers bind to them.
namespace lindrel32 {

using vantix::platform::Guid;

// {7604D058-8109-4737-8024-E2AA547DA585} / {C92B4422-2DB3-4F40-A086-9D79334BFAF2}
inline constexpr Guid kClsidQVREG{
    0x7604D058, 0x8109, 0x4737, {0x80, 0x24, 0xE2, 0xAA, 0x54, 0x7D, 0xA5, 0x85}};
inline constexpr Guid kIidQVREG{
    0xC92B4422, 0x2DB3, 0x4F40, {0xA0, 0x86, 0x9D, 0x79, 0x33, 0x4B, 0xFA, 0xF2}};
// {4BBC06F0-02F1-431C-B957-CE2152A60801} / {6D6ACAD0-FCB3-45AF-8679-0961FB8BB516}
inline constexpr Guid kClsidQVFKT{
    0x4BBC06F0, 0x02F1, 0x431C, {0xB9, 0x57, 0xCE, 0x21, 0x52, 0xA6, 0x08, 0x01}};
inline constexpr Guid kIidQVFKT{
    0x6D6ACAD0, 0xFCB3, 0x45AF, {0x86, 0x79, 0x09, 0x61, 0xFB, 0x8B, 0xB5, 0x16}};
// {319AB9D4-C97A-4897-9624-058C02F0C309} / {487AA203-03AA-4073-BA5E-A0961DA1171C}
inline constexpr Guid kClsidQVINF{
    0x319AB9D4, 0xC97A, 0x4897, {0x96, 0x24, 0x05, 0x8C, 0x02, 0xF0, 0xC3, 0x09}};
inline constexpr Guid kIidQVINF{
    0x487AA203, 0x03AA, 0x4073, {0xBA, 0x5E, 0xA0, 0x96, 0x1D, 0xA1, 0x17, 0x1C}};
// {0DC49B59-3C12-48F9-84BA-93851C139816} / {D77003D3-AD00-470E-BDDA-6483A65638C4}
inline constexpr Guid kClsidQVFILE{
    0x0DC49B59, 0x3C12, 0x48F9, {0x84, 0xBA, 0x93, 0x85, 0x1C, 0x13, 0x98, 0x16}};
inline constexpr Guid kIidQVFILE{
    0xD77003D3, 0xAD00, 0x470E, {0xBD, 0xDA, 0x64, 0x83, 0xA6, 0x56, 0x38, 0xC4}};

struct ClassIdentity {
    const char* name;    // "QVREG"
    const char* progId;  // "Lindrel32.QVREG"
    Guid clsid;
    Guid iid;
};

inline constexpr std::array<ClassIdentity, 4> kClasses{{
    {"QVREG", "Lindrel32.QVREG", kClsidQVREG, kIidQVREG},
    {"QVFKT", "Lindrel32.QVFKT", kClsidQVFKT, kIidQVFKT},
    {"QVINF", "Lindrel32.QVINF", kClsidQVINF, kIidQVINF},
    {"QVFILE", "Lindrel32.QVFILE", kClsidQVFILE, kIidQVFILE},
}};

}  // namespace lindrel32
