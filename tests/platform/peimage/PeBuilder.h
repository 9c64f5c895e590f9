#pragma once

// Assembles small Windows executables, icon images and version resources in
// memory for the tests, so that no binary fixture is needed.

#include <algorithm>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace pe_test {

using Bytes = std::vector<std::uint8_t>;

inline void add16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void add32(Bytes& b, std::uint32_t v) {
    add16(b, v & 0xFFFF);
    add16(b, v >> 16);
}
inline void put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}
inline void pad4(Bytes& b) {
    while (b.size() % 4) b.push_back(0);
}

using Id = std::variant<std::uint16_t, std::u16string>;

struct Res {
    Id type;
    Id name;
    std::uint16_t language = 0;
    Bytes data;
};

// The resource section (directory, data entries, names, data) for a section at `rva`.
// Types, names and languages keep the order given, named entries first in each directory.
inline Bytes resourceSection(const std::vector<Res>& list, std::uint32_t rva) {
    struct Name {
        Id id;
        std::vector<std::size_t> leaves;
    };
    struct Type {
        Id id;
        std::vector<Name> names;
    };
    std::vector<Type> types;
    for (std::size_t i = 0; i < list.size(); ++i) {
        Type* t = nullptr;
        for (auto& x : types)
            if (x.id == list[i].type) t = &x;
        if (!t) t = &types.emplace_back(Type{list[i].type, {}});
        Name* n = nullptr;
        for (auto& x : t->names)
            if (x.id == list[i].name) n = &x;
        if (!n) n = &t->names.emplace_back(Name{list[i].name, {}});
        n->leaves.push_back(i);
    }
    const auto namedFirst = [](auto& v) {
        std::stable_partition(v.begin(), v.end(), [](const auto& e) { return e.id.index() == 1; });
    };
    namedFirst(types);
    for (auto& t : types) namedFirst(t.names);

    std::size_t pos = 16 + 8 * types.size();
    std::vector<std::size_t> typeDir, nameDir, leafEntry(list.size()), dataAt(list.size());
    for (auto& t : types) {
        typeDir.push_back(pos);
        pos += 16 + 8 * t.names.size();
    }
    for (auto& t : types)
        for (auto& n : t.names) {
            nameDir.push_back(pos);
            pos += 16 + 8 * n.leaves.size();
        }
    for (auto& t : types)
        for (auto& n : t.names)
            for (std::size_t leaf : n.leaves) {
                leafEntry[leaf] = pos;
                pos += 16;
            }
    Bytes out(pos, 0);
    const auto idWord = [&](const Id& id) -> std::uint32_t {
        if (id.index() == 0) return std::get<0>(id);
        const auto& s = std::get<1>(id);
        const std::size_t at = out.size();
        add16(out, static_cast<std::uint32_t>(s.size()));
        for (char16_t c : s) add16(out, c);
        return 0x80000000u | static_cast<std::uint32_t>(at);
    };
    const auto directory = [&](std::size_t at, std::size_t named, std::size_t count) {
        put16(out, at + 12, static_cast<std::uint32_t>(named));
        put16(out, at + 14, static_cast<std::uint32_t>(count - named));
    };
    const auto countNamed = [](const auto& v) {
        return static_cast<std::size_t>(std::count_if(v.begin(), v.end(), [](const auto& e) { return e.id.index() == 1; }));
    };
    directory(0, countNamed(types), types.size());
    std::size_t nameIndex = 0;
    for (std::size_t ti = 0; ti < types.size(); ++ti) {
        put32(out, 16 + 8 * ti, idWord(types[ti].id));
        put32(out, 16 + 8 * ti + 4, 0x80000000u | static_cast<std::uint32_t>(typeDir[ti]));
        directory(typeDir[ti], countNamed(types[ti].names), types[ti].names.size());
        for (std::size_t ni = 0; ni < types[ti].names.size(); ++ni, ++nameIndex) {
            const auto& n = types[ti].names[ni];
            put32(out, typeDir[ti] + 16 + 8 * ni, idWord(n.id));
            put32(out, typeDir[ti] + 16 + 8 * ni + 4, 0x80000000u | static_cast<std::uint32_t>(nameDir[nameIndex]));
            directory(nameDir[nameIndex], 0, n.leaves.size());
            for (std::size_t li = 0; li < n.leaves.size(); ++li) {
                put32(out, nameDir[nameIndex] + 16 + 8 * li, list[n.leaves[li]].language);
                put32(out, nameDir[nameIndex] + 16 + 8 * li + 4, static_cast<std::uint32_t>(leafEntry[n.leaves[li]]));
            }
        }
    }
    pad4(out);
    for (std::size_t i = 0; i < list.size(); ++i) {
        dataAt[i] = out.size();
        out.insert(out.end(), list[i].data.begin(), list[i].data.end());
        pad4(out);
        put32(out, leafEntry[i], rva + static_cast<std::uint32_t>(dataAt[i]));
        put32(out, leafEntry[i] + 4, static_cast<std::uint32_t>(list[i].data.size()));
    }
    return out;
}

constexpr std::uint32_t kPeHeader = 0x40;
constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::uint32_t kSectionFileOffset = 0x200;

// Offset of the single section header in a file from buildPe.
inline std::size_t sectionHeaderOffset(bool plus) { return kPeHeader + 24 + (plus ? 240 : 224); }

// A minimal PE32 (or PE32+) file whose one section ".rsrc" holds the resources.
inline Bytes buildPe(const std::vector<Res>& list, bool plus = false) {
    const Bytes section = resourceSection(list, kSectionRva);
    Bytes b(kSectionFileOffset, 0);
    b[0] = 'M';
    b[1] = 'Z';
    put32(b, 0x3C, kPeHeader);
    b[kPeHeader] = 'P';
    b[kPeHeader + 1] = 'E';
    const std::size_t coff = kPeHeader + 4;
    put16(b, coff, plus ? 0x8664 : 0x14C);
    put16(b, coff + 2, 1);
    put16(b, coff + 16, plus ? 240 : 224);
    put16(b, coff + 18, 0x2102);
    const std::size_t opt = kPeHeader + 24;
    put16(b, opt, plus ? 0x20B : 0x10B);
    const std::size_t dirs = opt + (plus ? 108 : 92);
    put32(b, dirs, 16);
    put32(b, dirs + 4 + 2 * 8, kSectionRva);
    put32(b, dirs + 4 + 2 * 8 + 4, static_cast<std::uint32_t>(section.size()));
    const std::size_t sh = sectionHeaderOffset(plus);
    const char name[] = ".rsrc";
    for (std::size_t i = 0; i < 5; ++i) b[sh + i] = static_cast<std::uint8_t>(name[i]);
    const std::uint32_t raw = (static_cast<std::uint32_t>(section.size()) + 0x1FF) & ~0x1FFu;
    put32(b, sh + 8, static_cast<std::uint32_t>(section.size()));
    put32(b, sh + 12, kSectionRva);
    put32(b, sh + 16, raw);
    put32(b, sh + 20, kSectionFileOffset);
    b.insert(b.end(), section.begin(), section.end());
    b.resize(kSectionFileOffset + raw, 0);
    return b;
}

// A minimal NE file: resources as (type, id, data) with 16-byte alignment.
struct NeRes {
    std::uint16_t type;
    std::uint16_t id;
    Bytes data;
};
inline Bytes buildNe(const std::vector<NeRes>& list) {
    constexpr std::uint32_t ne = 0x40;
    constexpr std::uint32_t table = 0x40;  // relative to the NE header
    // Group by type in order of appearance.
    std::vector<std::uint16_t> types;
    for (const auto& r : list)
        if (std::find(types.begin(), types.end(), r.type) == types.end()) types.push_back(r.type);
    std::size_t tableSize = 2 + 2;
    for (auto t : types)
        tableSize += 8 + 12 * static_cast<std::size_t>(std::count_if(list.begin(), list.end(), [&](const NeRes& r) { return r.type == t; }));
    Bytes b(ne + table + tableSize, 0);
    b[0] = 'M';
    b[1] = 'Z';
    put32(b, 0x3C, ne);
    b[ne] = 'N';
    b[ne + 1] = 'E';
    put16(b, ne + 0x24, table);
    put16(b, ne + 0x26, static_cast<std::uint32_t>(table + tableSize));
    std::size_t at = ne + table;
    put16(b, at, 4);  // 16-byte units
    at += 2;
    std::vector<std::pair<std::size_t, const NeRes*>> fixups;
    for (auto t : types) {
        const auto count = std::count_if(list.begin(), list.end(), [&](const NeRes& r) { return r.type == t; });
        put16(b, at, 0x8000u | t);
        put16(b, at + 2, static_cast<std::uint32_t>(count));
        at += 8;
        for (const auto& r : list) {
            if (r.type != t) continue;
            put16(b, at + 6, 0x8000u | r.id);
            fixups.push_back({at, &r});
            at += 12;
        }
    }
    for (auto& [entry, r] : fixups) {
        while (b.size() % 16) b.push_back(0);
        put16(b, entry, static_cast<std::uint32_t>(b.size() / 16));
        put16(b, entry + 2, static_cast<std::uint32_t>((r->data.size() + 15) / 16));
        b.insert(b.end(), r->data.begin(), r->data.end());
    }
    while (b.size() % 16) b.push_back(0);
    return b;
}

// A DIB icon image. `pixels` are palette indexes (bpp <= 8) or 0xAARRGGBB
// colours (16: only RGB, stored 5-5-5), top row first; `mask` 1 = transparent.
inline Bytes dib(int w, int h, int bpp, const std::vector<std::uint32_t>& palette,
                 const std::vector<std::uint32_t>& pixels, const std::vector<int>& mask = {},
                 bool withMask = true) {
    Bytes b;
    add32(b, 40);
    add32(b, static_cast<std::uint32_t>(w));
    add32(b, static_cast<std::uint32_t>(2 * h));
    add16(b, 1);
    add16(b, static_cast<std::uint32_t>(bpp));
    add32(b, 0);
    add32(b, 0);
    add32(b, 0);
    add32(b, 0);
    add32(b, bpp <= 8 ? static_cast<std::uint32_t>(palette.size()) : 0);
    add32(b, 0);
    for (auto c : palette) add32(b, c & 0xFFFFFF);
    const std::size_t stride = (static_cast<std::size_t>(w) * bpp + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y * w + x)];
            switch (bpp) {
            case 1: row[x / 8] |= static_cast<std::uint8_t>((p & 1) << (7 - x % 8)); break;
            case 4: row[x / 2] |= static_cast<std::uint8_t>((p & 0xF) << (x % 2 ? 0 : 4)); break;
            case 8: row[x] = static_cast<std::uint8_t>(p); break;
            case 16: {
                const std::uint32_t v = ((p >> 19) & 0x1F) << 10 | ((p >> 11) & 0x1F) << 5 | ((p >> 3) & 0x1F);
                row[2 * x] = static_cast<std::uint8_t>(v);
                row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                break;
            }
            case 24:
                row[3 * x] = static_cast<std::uint8_t>(p);
                row[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
                break;
            default:
                for (int k = 0; k < 4; ++k) row[4 * x + k] = static_cast<std::uint8_t>(p >> (8 * k));
            }
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    if (!withMask) return b;
    const std::size_t maskStride = (static_cast<std::size_t>(w) + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if (!mask.empty() && mask[static_cast<std::size_t>(y * w + x)]) row[x / 8] |= static_cast<std::uint8_t>(1 << (7 - x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

// A plain opaque square icon image of one palette colour.
inline Bytes solidIcon(int side, int bpp, std::uint32_t colour) {
    if (bpp <= 8) return dib(side, side, bpp, {colour}, std::vector<std::uint32_t>(static_cast<std::size_t>(side * side), 0));
    return dib(side, side, bpp, {}, std::vector<std::uint32_t>(static_cast<std::size_t>(side * side), colour));
}

struct IconEntry {
    int width;
    int height;
    int bpp;
    Bytes image;
    std::uint16_t id = 0;  // group icons: the RT_ICON ID
};

inline Bytes groupIcon(const std::vector<IconEntry>& entries) {
    Bytes b;
    add16(b, 0);
    add16(b, 1);
    add16(b, static_cast<std::uint32_t>(entries.size()));
    for (const auto& e : entries) {
        b.push_back(static_cast<std::uint8_t>(e.width & 0xFF));
        b.push_back(static_cast<std::uint8_t>(e.height & 0xFF));
        b.push_back(0);
        b.push_back(0);
        add16(b, 1);
        add16(b, static_cast<std::uint32_t>(e.bpp));
        add32(b, static_cast<std::uint32_t>(e.image.size()));
        add16(b, e.id);
    }
    return b;
}

inline Bytes icoFile(const std::vector<IconEntry>& entries) {
    Bytes b;
    add16(b, 0);
    add16(b, 1);
    add16(b, static_cast<std::uint32_t>(entries.size()));
    std::size_t offset = 6 + 16 * entries.size();
    for (const auto& e : entries) {
        b.push_back(static_cast<std::uint8_t>(e.width & 0xFF));
        b.push_back(static_cast<std::uint8_t>(e.height & 0xFF));
        b.push_back(0);
        b.push_back(0);
        add16(b, 1);
        add16(b, static_cast<std::uint32_t>(e.bpp));
        add32(b, static_cast<std::uint32_t>(e.image.size()));
        add32(b, static_cast<std::uint32_t>(offset));
        offset += e.image.size();
    }
    for (const auto& e : entries) b.insert(b.end(), e.image.begin(), e.image.end());
    return b;
}

// Group icon `groupId` and its images as RT_ICON resources, ready for buildPe.
inline std::vector<Res> iconResources(std::uint16_t groupId, const std::vector<IconEntry>& entries,
                                      std::uint16_t language = 0) {
    std::vector<Res> out;
    out.push_back({std::uint16_t{14}, groupId, language, groupIcon(entries)});
    for (const auto& e : entries) out.push_back({std::uint16_t{3}, e.id, language, e.image});
    return out;
}

// One block of a version resource in the 32-bit layout.
struct VNode {
    std::u16string key;
    int type = 0;  // 1 text
    Bytes value;   // binary value, or UTF-16 text (with its NUL)
    std::uint16_t valueLength = 0;
    std::vector<VNode> children;
};

inline Bytes utf16z(const std::u16string& s) {
    Bytes b;
    for (char16_t c : s) add16(b, c);
    add16(b, 0);
    return b;
}

// A String block; valueLength counts UTF-16 units with the NUL, as most tools write it.
inline VNode textNode(const std::u16string& key, const std::u16string& value) {
    return {key, 1, utf16z(value), static_cast<std::uint16_t>(value.size() + 1), {}};
}

inline Bytes encode(const VNode& n) {
    Bytes b;
    add16(b, 0);
    add16(b, n.valueLength);
    add16(b, static_cast<std::uint32_t>(n.type));
    const Bytes key = utf16z(n.key);
    b.insert(b.end(), key.begin(), key.end());
    pad4(b);
    b.insert(b.end(), n.value.begin(), n.value.end());
    for (const auto& c : n.children) {
        pad4(b);
        const Bytes child = encode(c);
        b.insert(b.end(), child.begin(), child.end());
    }
    put16(b, 0, static_cast<std::uint32_t>(b.size()));
    return b;
}

inline Bytes fixedFileInfo(std::uint32_t ms, std::uint32_t ls, std::uint32_t flags = 0, std::uint32_t os = 0x40004,
                           std::uint32_t type = 1) {
    Bytes b;
    for (std::uint32_t v : {0xFEEF04BDu, 0x10000u, ms, ls, ms, ls, 0x3Fu, flags, os, type, 0u, 0u, 0u}) add32(b, v);
    return b;
}

inline Bytes translation(std::initializer_list<std::pair<std::uint16_t, std::uint16_t>> pairs) {
    Bytes b;
    for (auto [lang, cp] : pairs) add32(b, lang | static_cast<std::uint32_t>(cp) << 16);
    return b;
}

}  // namespace pe_test
