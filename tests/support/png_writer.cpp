// A small PNG encoder for screenshots: RGB rows in stored (uncompressed)
// deflate blocks, which every PNG reader accepts.
#include "tests/support/testkit.h"

namespace testkit {

namespace {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0)
{
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const std::vector<uint8_t>& data)
{
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutU32BE(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value >> 24));
    out.push_back(static_cast<uint8_t>(value >> 16));
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& body)
{
    PutU32BE(out, static_cast<uint32_t>(body.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutU32BE(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

std::vector<uint8_t> EncodePng(const Image& image)
{
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(image.height) * (image.width * 3 + 1));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < image.width; ++x) {
            uint32_t p = image.pixels[static_cast<size_t>(y) * image.width + x];
            raw.push_back(static_cast<uint8_t>(p >> 16));
            raw.push_back(static_cast<uint8_t>(p >> 8));
            raw.push_back(static_cast<uint8_t>(p));
        }
    }

    std::vector<uint8_t> zlib = {0x78, 0x01};
    size_t offset = 0;
    do {
        size_t block = raw.size() - offset;
        if (block > 65535)
            block = 65535;
        bool last = offset + block == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<uint8_t>(block));
        zlib.push_back(static_cast<uint8_t>(block >> 8));
        zlib.push_back(static_cast<uint8_t>(~block));
        zlib.push_back(static_cast<uint8_t>(~block >> 8));
        zlib.insert(zlib.end(), raw.begin() + static_cast<ptrdiff_t>(offset),
                    raw.begin() + static_cast<ptrdiff_t>(offset + block));
        offset += block;
    } while (offset < raw.size());
    PutU32BE(zlib, Adler32(raw));

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutU32BE(header, static_cast<uint32_t>(image.width));
    PutU32BE(header, static_cast<uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace testkit
