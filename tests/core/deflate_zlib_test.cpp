// zlib, an independent implementation, reads what Deflate writes and writes what Inflate
// must read: every level and strategy, several blocks, and the window's far end.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "combat/random_table.h"
#include "core/deflate.h"

namespace {

std::string ZlibDeflate(const std::string& text, int level, int strategy, std::size_t chunk) {
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, -15, 8, strategy), Z_OK);
    std::string out(compressBound(static_cast<uLong>(text.size())) + 64 * (text.size() / chunk + 1),
                    '\0');
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    // A sync flush after each chunk ends a block there, with an empty stored block.
    for (std::size_t at = 0; at < text.size(); at += chunk) {
        const std::size_t size = std::min(chunk, text.size() - at);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data() + at));
        z.avail_in = static_cast<uInt>(size);
        EXPECT_EQ(deflate(&z, Z_SYNC_FLUSH), Z_OK);
    }
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

std::string ZlibInflate(const std::string& packed, std::size_t size) {
    z_stream z{};
    EXPECT_EQ(inflateInit2(&z, -15), Z_OK);
    std::string out(size + 1, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    inflateEnd(&z);
    return out;
}

// Texts of every kind the link meets and more: table cells, runs, noise, and repeats
// further back than 32 KiB.
std::vector<std::string> Texts(RandomText& random) {
    std::vector<std::string> texts = {"", "a", std::string(70000, 'z')};
    for (int round = 0; round < 60; ++round) {
        std::string text;
        const std::size_t size = random.Pick(round < 50 ? 4000 : 120000);
        while (text.size() < size) {
            switch (random.Pick(3)) {
                case 0:
                    text += random.Number() + random.Word();
                    break;
                case 1:
                    text += std::string(random.Pick(300), static_cast<char>(random.Pick(256)));
                    break;
                default:
                    text.push_back(static_cast<char>(random.Pick(256)));
            }
        }
        texts.push_back(text);
    }
    return texts;
}

}  // namespace

TEST(DeflateAgainstZlib, ZlibReadsOurStreams) {
    RandomText random(1953);
    for (const std::string& text : Texts(random)) {
        EXPECT_EQ(ZlibInflate(Deflate(text), text.size()), text) << text.size() << " bytes";
    }
}

TEST(DeflateAgainstZlib, WeReadZlibsStreams) {
    RandomText random(1954);
    const int strategies[] = {Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE, Z_FILTERED};
    for (const std::string& text : Texts(random)) {
        const int level = static_cast<int>(random.Pick(10));
        const int strategy = strategies[random.Pick(std::size(strategies))];
        const std::size_t chunk = 1 + random.Pick(text.size() + 1);
        const std::string packed = ZlibDeflate(text, level, strategy, chunk);
        const Inflated back = Inflate(packed, text.size());
        EXPECT_EQ(back.Fault, InflateFault::None)
            << "level " << level << " strategy " << strategy << " chunk " << chunk;
        EXPECT_EQ(back.Bytes, text);
        if (!text.empty()) {
            EXPECT_EQ(Inflate(packed, text.size() - 1).Fault, InflateFault::TooLong);
        }
    }
}
