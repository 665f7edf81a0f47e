#include "core/deflate.h"

#include <gtest/gtest.h>

#include <string>

#include "combat/random_table.h"

namespace {

std::string FromHex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

Inflated InflateHex(std::string_view hex, std::size_t maxSize = 1 << 20) {
    return Inflate(FromHex(hex), maxSize);
}

// What zlib wrote for these 759 bytes at level 9: one block with dynamic codes.
constexpr std::string_view kDynamicStream =
    "65d1bb0d42311044d18608bc33fe8a065e4e05042f200239a17d90d02cc164d695e5dd231ff7bd1fe72e97dbeb7b"
    "7abecbf5f89550192a500915aa4c95aa0295a6b254ba0a5546be9ce3a75255597929e747aedd32e5de912b446ede"
    "33d1c1d5c4d18c1cddcc310c1dd3d4b18c8de26e84c1019783264775399ac9d14d8ee17f3d4d8e65721693334c4e"
    "989c7439abc9d95cce6e720e97739a9ceb2fff00";

std::string DynamicText() {
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += "Harrier" + std::to_string(i) + ",Sparrow" + std::to_string(i * 7 % 13) + ";";
    }
    return text;
}

}  // namespace

// Streams built bit by bit from RFC 1951, and one of zlib's, each with its known bytes.
TEST(Inflate, ReadsEveryBlockType) {
    EXPECT_EQ(InflateHex("010500faff68656c6c6f").Bytes, "hello");  // stored
    EXPECT_EQ(InflateHex("0300").Bytes, "");                       // fixed, empty
    EXPECT_EQ(InflateHex("4b0400").Bytes, "a");                    // fixed, a literal
    EXPECT_EQ(InflateHex("ab000100").Bytes, "xxxxx");              // a copy that overlaps
    EXPECT_EQ(InflateHex("000200fdff61624b0600").Bytes, "abc");    // stored, then fixed
    EXPECT_EQ(InflateHex(kDynamicStream).Bytes, DynamicText());    // dynamic
    EXPECT_EQ(InflateHex("4b0400ffff").Bytes, "a");  // bytes after the final block are left
}

TEST(Inflate, RefusesDamagedStreams) {
    const auto fault = [](std::string_view hex) { return InflateHex(hex).Fault; };
    EXPECT_EQ(fault(""), InflateFault::Truncated);
    EXPECT_EQ(fault("010500faff6865"), InflateFault::Truncated);
    EXPECT_EQ(fault("4b"), InflateFault::Truncated);
    EXPECT_EQ(fault(kDynamicStream.substr(0, 100)), InflateFault::Truncated);
    EXPECT_EQ(fault("07"), InflateFault::BadBlockType);
    EXPECT_EQ(fault("010500fbff68656c6c6f"), InflateFault::BadStoredLength);
    EXPECT_EQ(fault("05e09324499224499200"), InflateFault::BadCodeLengths);  // over-subscribed
    EXPECT_EQ(fault("030200"), InflateFault::BadDistance);  // a copy from before the start
    EXPECT_EQ(fault("1b03"), InflateFault::BadCode);        // length symbol 286
    const Inflated refused = InflateHex("ab000100", 4);
    EXPECT_EQ(refused.Fault, InflateFault::TooLong);
    EXPECT_EQ(refused.Bytes, "");
    EXPECT_EQ(InflateHex("ab000100", 5).Bytes, "xxxxx");
}

// Random bytes never crash the reader and never pass its bound.
TEST(Inflate, RandomBytesStayWithinTheBound) {
    RandomText random(1951);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random.Pick(64), '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random.Pick(256));
        }
        const Inflated out = Inflate(bytes, 300);
        EXPECT_LE(out.Bytes.size(), 300U);
        EXPECT_TRUE(out.Fault == InflateFault::None || out.Bytes.empty());
    }
}

TEST(Deflate, RoundTripsAndCompressesRepeats) {
    RandomText random(1952);
    const std::string repeated(5000, 'x');
    const std::string packed = Deflate(repeated);
    EXPECT_LT(packed.size(), 60U);
    EXPECT_EQ(Inflate(packed, 5000).Bytes, repeated);
    EXPECT_EQ(Inflate(Deflate(""), 10).Bytes, "");
    for (int round = 0; round < 200; ++round) {
        std::string text;
        const std::size_t size = random.Pick(3000);
        while (text.size() < size) {
            text += random.Pick(2) == 0 ? random.Number() : std::string(1, char(random.Pick(256)));
        }
        const Inflated back = Inflate(Deflate(text), text.size());
        EXPECT_EQ(back.Fault, InflateFault::None);
        EXPECT_EQ(back.Bytes, text);
    }
}
