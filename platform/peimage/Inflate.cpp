#include "platform/peimage/Inflate.h"

#include <zlib.h>

#include <limits>
#include <string>

#include "platform/peimage/PeImageError.h"

namespace vantix::platform {
namespace {

[[noreturn]] void damaged(const std::string& why) {
    throw PeImageError("compressed PNG data is damaged: " + why);
}

// Owns an inflate stream, so that every exit ends it.
class InflateStream {
public:
    InflateStream() {
        if (inflateInit(&stream_) != Z_OK) damaged("zlib cannot start");
    }
    ~InflateStream() { inflateEnd(&stream_); }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;
    z_stream* operator->() { return &stream_; }
    z_stream* get() { return &stream_; }

private:
    z_stream stream_{};
};

}  // namespace

std::vector<std::uint8_t> inflateZlib(std::span<const std::uint8_t> data, std::size_t maxOutput) {
    // The header is checked here so that its faults read as ours; zlib checks it again.
    if (data.size() < 2) damaged("it ends before the zlib header");
    const unsigned method = data[0];
    const unsigned flags = data[1];
    if ((method & 0x0F) != 8 || (method >> 4) > 7 || ((method << 8) | flags) % 31 != 0)
        damaged("bad zlib header");
    if (flags & 0x20) damaged("a preset dictionary is not supported");
    if (data.size() > std::numeric_limits<uInt>::max() ||
        maxOutput >= std::numeric_limits<uInt>::max())
        damaged("it is too large");

    // One byte more than allowed tells a stream that goes on past the limit.
    std::vector<std::uint8_t> out(maxOutput + 1);
    InflateStream stream;
    stream->next_in = const_cast<Bytef*>(data.data());  // zlib's API is not const-correct
    stream->avail_in = static_cast<uInt>(data.size());
    stream->next_out = out.data();
    stream->avail_out = static_cast<uInt>(out.size());
    const int result = inflate(stream.get(), Z_FINISH);
    if (stream->total_out > maxOutput)
        damaged("it unpacks to more than " + std::to_string(maxOutput) + " bytes");
    if (result == Z_BUF_ERROR) damaged("it ends early");
    if (result != Z_STREAM_END)
        damaged(stream->msg ? stream->msg : "zlib error " + std::to_string(result));
    out.resize(stream->total_out);
    return out;
}

}  // namespace vantix::platform
