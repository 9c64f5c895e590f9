#include "platform/peimage/Inflate.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/peimage/PeImageError.h"

namespace vantix::platform {
namespace {

constexpr int kMaxBits = 15;
constexpr int kLiteralCodes = 288;
constexpr int kDistanceCodes = 30;

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                       31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                                         33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                                         1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                         6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

[[noreturn]] void damaged(const std::string& why) { throw PeImageError("compressed PNG data is damaged: " + why); }

class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint32_t bits(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value |= static_cast<std::uint32_t>(bit()) << i;
        return value;
    }
    int bit() {
        if (pos_ >= data_.size()) damaged("it ends early");
        const int b = (data_[pos_] >> bitPos_) & 1;
        if (++bitPos_ == 8) {
            bitPos_ = 0;
            ++pos_;
        }
        return b;
    }
    void alignToByte() {
        if (bitPos_ != 0) {
            bitPos_ = 0;
            ++pos_;
        }
    }
    std::uint8_t byte() {
        if (pos_ >= data_.size()) damaged("it ends early");
        return data_[pos_++];
    }
    std::size_t position() const { return pos_; }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    int bitPos_ = 0;
};

// A canonical Huffman code, decoded bit by bit from the counts of each length.
class Huffman {
public:
    Huffman(const std::uint8_t* lengths, int count) {
        for (int i = 0; i < count; ++i) ++counts_[lengths[i]];
        counts_[0] = 0;
        int left = 1;
        for (int len = 1; len <= kMaxBits; ++len) {
            left = 2 * left - counts_[len];
            if (left < 0) damaged("a Huffman code is oversubscribed");
        }
        std::array<std::uint16_t, kMaxBits + 2> offsets{};
        for (int len = 1; len <= kMaxBits; ++len) offsets[len + 1] = offsets[len] + counts_[len];
        for (int i = 0; i < count; ++i)
            if (lengths[i]) symbols_[offsets[lengths[i]]++] = static_cast<std::uint16_t>(i);
    }

    int decode(BitReader& in) const {
        int code = 0;
        int first = 0;
        int index = 0;
        for (int len = 1; len <= kMaxBits; ++len) {
            code |= in.bit();
            const int count = counts_[len];
            if (code - first < count) return symbols_[static_cast<std::size_t>(index + code - first)];
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        damaged("a Huffman code is not in the table");
    }

private:
    std::array<std::uint16_t, kMaxBits + 1> counts_{};
    std::array<std::uint16_t, kLiteralCodes> symbols_{};
};

class Inflater {
public:
    Inflater(std::span<const std::uint8_t> data, std::size_t maxOutput) : in_(data), max_(maxOutput) {}

    std::vector<std::uint8_t> run() {
        for (bool last = false; !last;) {
            last = in_.bit() != 0;
            switch (in_.bits(2)) {
            case 0: stored(); break;
            case 1: fixed(); break;
            case 2: dynamic(); break;
            default: damaged("a block has the reserved type 3");
            }
        }
        in_.alignToByte();
        return std::move(out_);
    }
    std::size_t position() const { return in_.position(); }

private:
    void put(std::uint8_t b) {
        if (out_.size() >= max_) damaged("it unpacks to more than the image needs");
        out_.push_back(b);
    }

    void stored() {
        in_.alignToByte();
        const std::uint32_t length = in_.byte() | in_.byte() << 8;
        const std::uint32_t check = in_.byte() | in_.byte() << 8;
        if ((length ^ 0xFFFF) != check) damaged("a stored block's length check fails");
        for (std::uint32_t i = 0; i < length; ++i) put(in_.byte());
    }

    void fixed() {
        std::array<std::uint8_t, kLiteralCodes + kDistanceCodes> lengths{};
        for (int i = 0; i < 144; ++i) lengths[i] = 8;
        for (int i = 144; i < 256; ++i) lengths[i] = 9;
        for (int i = 256; i < 280; ++i) lengths[i] = 7;
        for (int i = 280; i < kLiteralCodes; ++i) lengths[i] = 8;
        for (int i = 0; i < kDistanceCodes; ++i) lengths[kLiteralCodes + i] = 5;
        codes(Huffman(lengths.data(), kLiteralCodes), Huffman(lengths.data() + kLiteralCodes, kDistanceCodes));
    }

    void dynamic() {
        static constexpr std::array<std::uint8_t, 19> kOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                                11, 4,  12, 3, 13, 2, 14, 1, 15};
        const int literals = static_cast<int>(in_.bits(5)) + 257;
        const int distances = static_cast<int>(in_.bits(5)) + 1;
        const int codeLengths = static_cast<int>(in_.bits(4)) + 4;
        if (literals > 286 || distances > kDistanceCodes) damaged("a block declares too many codes");
        std::array<std::uint8_t, 19> lengthLengths{};
        for (int i = 0; i < codeLengths; ++i) lengthLengths[kOrder[i]] = static_cast<std::uint8_t>(in_.bits(3));
        const Huffman lengthCode(lengthLengths.data(), 19);

        std::array<std::uint8_t, kLiteralCodes + kDistanceCodes> lengths{};
        for (int i = 0; i < literals + distances;) {
            const int symbol = lengthCode.decode(in_);
            if (symbol < 16) {
                lengths[i++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            std::uint8_t value = 0;
            int repeat = 0;
            if (symbol == 16) {
                if (i == 0) damaged("a length repeat has nothing to repeat");
                value = lengths[i - 1];
                repeat = 3 + static_cast<int>(in_.bits(2));
            } else if (symbol == 17) {
                repeat = 3 + static_cast<int>(in_.bits(3));
            } else {
                repeat = 11 + static_cast<int>(in_.bits(7));
            }
            if (i + repeat > literals + distances) damaged("code lengths run past their count");
            while (repeat--) lengths[i++] = value;
        }
        if (lengths[256] == 0) damaged("a block has no end code");
        // Distance lengths follow the literal lengths directly in the stream.
        std::array<std::uint8_t, kDistanceCodes> distanceLengths{};
        std::copy_n(lengths.begin() + literals, distances, distanceLengths.begin());
        codes(Huffman(lengths.data(), literals), Huffman(distanceLengths.data(), distances));
    }

    void codes(const Huffman& literal, const Huffman& distance) {
        for (;;) {
            const int symbol = literal.decode(in_);
            if (symbol < 256) {
                put(static_cast<std::uint8_t>(symbol));
                continue;
            }
            if (symbol == 256) return;
            const int lengthIndex = symbol - 257;
            if (lengthIndex >= static_cast<int>(kLengthBase.size())) damaged("a length code is out of range");
            const std::size_t length = kLengthBase[lengthIndex] + in_.bits(kLengthExtra[lengthIndex]);
            const int distanceIndex = distance.decode(in_);
            if (distanceIndex >= kDistanceCodes) damaged("a distance code is out of range");
            const std::size_t back = kDistanceBase[distanceIndex] + in_.bits(kDistanceExtra[distanceIndex]);
            if (back > out_.size()) damaged("a distance reaches before the start");
            for (std::size_t i = 0; i < length; ++i) put(out_[out_.size() - back]);
        }
    }

    BitReader in_;
    std::size_t max_;
    std::vector<std::uint8_t> out_;
};

std::uint32_t adler32(const std::vector<std::uint8_t>& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t c : data) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

}  // namespace

std::vector<std::uint8_t> inflateZlib(std::span<const std::uint8_t> data, std::size_t maxOutput) {
    if (data.size() < 6) damaged("the stream is too short");
    const std::uint8_t method = data[0];
    const std::uint8_t flags = data[1];
    if ((method & 0x0F) != 8 || (method >> 4) > 7 || (method * 256 + flags) % 31 != 0) damaged("bad zlib header");
    if (flags & 0x20) damaged("a preset dictionary is not allowed");
    Inflater inflater(data.subspan(2), maxOutput);
    std::vector<std::uint8_t> out = inflater.run();
    const std::size_t at = 2 + inflater.position();
    if (data.size() < at + 4) damaged("the checksum is missing");
    const std::uint32_t expected = static_cast<std::uint32_t>(data[at]) << 24 | data[at + 1] << 16 |
                                   data[at + 2] << 8 | data[at + 3];
    if (adler32(out) != expected) damaged("the checksum does not match");
    return out;
}

}  // namespace vantix::platform
