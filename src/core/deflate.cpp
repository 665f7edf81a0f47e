#include "core/deflate.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kMaxBits = 15;
constexpr int kLiteralCodes = 288;
constexpr int kDistanceCodes = 30;
constexpr int kEndOfBlock = 256;
constexpr std::size_t kWindow = 32768;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;

// Match lengths and distances: each code's base and its count of extra bits.
constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                         4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                         9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// ---- Writing ----

class BitWriter {
  public:
    void Put(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            m_byte |= static_cast<std::uint8_t>(((value >> i) & 1U) << m_used);
            if (++m_used == 8) {
                m_out.push_back(static_cast<char>(m_byte));
                m_byte = 0;
                m_used = 0;
            }
        }
    }
    // Huffman codes go out from their most significant bit.
    void PutCode(std::uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) {
            Put((code >> i) & 1U, 1);
        }
    }
    std::string Finish() {
        if (m_used > 0) {
            m_out.push_back(static_cast<char>(m_byte));
        }
        return std::move(m_out);
    }

  private:
    std::string m_out;
    std::uint8_t m_byte = 0;
    int m_used = 0;
};

void PutFixedSymbol(BitWriter& w, int symbol) {
    if (symbol < 144) {
        w.PutCode(0x30 + symbol, 8);
    } else if (symbol < 256) {
        w.PutCode(0x190 + symbol - 144, 9);
    } else if (symbol < 280) {
        w.PutCode(symbol - 256, 7);
    } else {
        w.PutCode(0xC0 + symbol - 280, 8);
    }
}

template <std::size_t N>
std::size_t CodeFor(const std::array<std::uint16_t, N>& base, std::size_t value) {
    std::size_t code = N - 1;
    while (base[code] > value) {
        --code;
    }
    return code;
}

void PutMatch(BitWriter& w, std::size_t length, std::size_t distance) {
    const std::size_t lengthCode = CodeFor(kLengthBase, length);
    PutFixedSymbol(w, static_cast<int>(257 + lengthCode));
    w.Put(static_cast<std::uint32_t>(length - kLengthBase[lengthCode]), kLengthExtra[lengthCode]);
    const std::size_t distanceCode = CodeFor(kDistanceBase, distance);
    w.PutCode(static_cast<std::uint32_t>(distanceCode), 5);
    w.Put(static_cast<std::uint32_t>(distance - kDistanceBase[distanceCode]),
          kDistanceExtra[distanceCode]);
}

// Earlier positions by the hash of their first three bytes, newest first, for LZ77.
class MatchFinder {
  public:
    explicit MatchFinder(std::string_view bytes)
        : m_bytes(bytes), m_head(kHashSize, kNone), m_previous(bytes.size(), kNone) {}

    struct Match {
        std::size_t Length = 0;
        std::size_t Distance = 0;
    };

    Match LongestAt(std::size_t at) const {
        Match best;
        if (at + kMinMatch > m_bytes.size()) {
            return best;
        }
        const std::size_t limit = std::min(kMaxMatch, m_bytes.size() - at);
        std::size_t candidate = m_head[HashAt(at)];
        for (int chain = 0; candidate != kNone && at - candidate <= kWindow && chain < kChain;
             ++chain, candidate = m_previous[candidate]) {
            std::size_t length = 0;
            while (length < limit && m_bytes[candidate + length] == m_bytes[at + length]) {
                ++length;
            }
            if (length > best.Length) {
                best = {length, at - candidate};
            }
        }
        return best.Length >= kMinMatch ? best : Match{};
    }

    void Insert(std::size_t at) {
        if (at + kMinMatch <= m_bytes.size()) {
            std::size_t& head = m_head[HashAt(at)];
            m_previous[at] = head;
            head = at;
        }
    }

  private:
    static constexpr std::size_t kHashSize = 1 << 12;
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    static constexpr int kChain = 64;

    std::size_t HashAt(std::size_t at) const {
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(m_bytes[at + i]); };
        return ((byte(0) << 8U) ^ (byte(1) << 4U) ^ byte(2)) & (kHashSize - 1);
    }

    std::string_view m_bytes;
    std::vector<std::size_t> m_head;
    std::vector<std::size_t> m_previous;
};

// ---- Reading ----

class BitReader {
  public:
    explicit BitReader(std::string_view bytes) : m_bytes(bytes) {}

    // Past the end the reader gives zeros and remembers that the stream was cut short.
    std::uint32_t Bits(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            if (m_at == m_bytes.size()) {
                m_truncated = true;
                return 0;
            }
            const auto byte = static_cast<std::uint8_t>(m_bytes[m_at]);
            value |= static_cast<std::uint32_t>((byte >> m_bit) & 1U) << i;
            if (++m_bit == 8) {
                m_bit = 0;
                ++m_at;
            }
        }
        return value;
    }
    void SkipToByte() {
        if (m_bit != 0) {
            m_bit = 0;
            ++m_at;
        }
    }
    bool Truncated() const { return m_truncated; }

  private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
    int m_bit = 0;
    bool m_truncated = false;
};

// A canonical Huffman code as RFC 1951 builds it from code lengths: how many codes each
// length has, and the symbols in code order.
struct Huffman {
    std::array<std::uint16_t, kMaxBits + 1> Count{};
    std::vector<std::uint16_t> Symbols;
    // Codes left unused: 0 for a complete code, below 0 for an over-subscribed one.
    int Left = 0;
};

Huffman BuildHuffman(const std::uint8_t* lengths, int symbolCount) {
    Huffman h;
    for (int s = 0; s < symbolCount; ++s) {
        ++h.Count[lengths[s]];
    }
    h.Left = 1;
    for (int length = 1; length <= kMaxBits; ++length) {
        h.Left = h.Left * 2 - h.Count[length];
        if (h.Left < 0) {
            return h;
        }
    }
    std::array<std::uint16_t, kMaxBits + 1> offset{};
    for (int length = 1; length < kMaxBits; ++length) {
        offset[length + 1] = offset[length] + h.Count[length];
    }
    h.Symbols.resize(static_cast<std::size_t>(symbolCount));
    for (int s = 0; s < symbolCount; ++s) {
        if (lengths[s] != 0) {
            h.Symbols[offset[lengths[s]]++] = static_cast<std::uint16_t>(s);
        }
    }
    return h;
}

class Inflater {
  public:
    Inflater(std::string_view stream, std::size_t maxSize) : m_in(stream), m_maxSize(maxSize) {}

    Inflated Run() {
        bool last = false;
        while (!last && m_fault == InflateFault::None) {
            last = m_in.Bits(1) == 1;
            switch (m_in.Bits(2)) {
                case 0:
                    Stored();
                    break;
                case 1:
                    Fixed();
                    break;
                case 2:
                    Dynamic();
                    break;
                default:
                    Fail(InflateFault::BadBlockType);
            }
            // A stream cut short reads as zeros, which may look like any other fault.
            if (m_in.Truncated()) {
                m_fault = InflateFault::Truncated;
            }
        }
        if (m_fault != InflateFault::None) {
            m_out.clear();
        }
        return {std::move(m_out), m_fault};
    }

  private:
    void Fail(InflateFault fault) {
        if (m_fault == InflateFault::None) {
            m_fault = fault;
        }
    }

    bool Emit(char byte) {
        if (m_out.size() == m_maxSize) {
            Fail(InflateFault::TooLong);
            return false;
        }
        m_out.push_back(byte);
        return true;
    }

    void Stored() {
        m_in.SkipToByte();
        const std::uint32_t length = m_in.Bits(16);
        if (m_in.Bits(16) != (~length & 0xFFFFU)) {
            Fail(InflateFault::BadStoredLength);
            return;
        }
        for (std::uint32_t i = 0; i < length && !m_in.Truncated(); ++i) {
            if (!Emit(static_cast<char>(m_in.Bits(8)))) {
                return;
            }
        }
    }

    void Fixed() {
        std::array<std::uint8_t, kLiteralCodes + kDistanceCodes> lengths{};
        for (int s = 0; s < kLiteralCodes; ++s) {
            lengths[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
        }
        for (int s = 0; s < kDistanceCodes; ++s) {
            lengths[kLiteralCodes + s] = 5;
        }
        Codes(BuildHuffman(lengths.data(), kLiteralCodes),
              BuildHuffman(lengths.data() + kLiteralCodes, kDistanceCodes));
    }

    void Dynamic() {
        const int literals = static_cast<int>(m_in.Bits(5)) + 257;
        const int distances = static_cast<int>(m_in.Bits(5)) + 1;
        const int lengthCodes = static_cast<int>(m_in.Bits(4)) + 4;
        if (literals > 286 || distances > kDistanceCodes) {
            Fail(InflateFault::BadCodeLengths);
            return;
        }
        static constexpr std::array<std::uint8_t, 19> kOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                                11, 4,  12, 3, 13, 2, 14, 1, 15};
        std::array<std::uint8_t, 19> codeLengths{};
        for (int i = 0; i < lengthCodes; ++i) {
            codeLengths[kOrder[i]] = static_cast<std::uint8_t>(m_in.Bits(3));
        }
        const Huffman lengthCode = BuildHuffman(codeLengths.data(), 19);
        if (lengthCode.Left != 0) {
            Fail(InflateFault::BadCodeLengths);
            return;
        }
        std::array<std::uint8_t, kLiteralCodes + kDistanceCodes> lengths{};
        if (!ReadCodeLengths(lengthCode, lengths.data(), literals + distances)) {
            return;
        }
        if (lengths[kEndOfBlock] == 0) {
            Fail(InflateFault::BadCodeLengths);
            return;
        }
        const Huffman literal = BuildHuffman(lengths.data(), literals);
        const Huffman distance = BuildHuffman(lengths.data() + literals, distances);
        // Only a code of one symbol may leave codes unused, and a block of literals alone
        // needs no distance code at all.
        const auto usable = [](const Huffman& h, int symbols, int fewest) {
            const int used = symbols - h.Count[0];
            return h.Left == 0 || (h.Left > 0 && used <= 1 && used >= fewest);
        };
        if (!usable(literal, literals, 1) || !usable(distance, distances, 0)) {
            Fail(InflateFault::BadCodeLengths);
            return;
        }
        Codes(literal, distance);
    }

    // The code lengths of both codes, with their repeats (16: the last length again, 17 and
    // 18: runs of zeros).
    bool ReadCodeLengths(const Huffman& lengthCode, std::uint8_t* lengths, int count) {
        int at = 0;
        while (at < count && m_fault == InflateFault::None && !m_in.Truncated()) {
            const int symbol = Decode(lengthCode);
            if (symbol < 16) {
                lengths[at++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            if (symbol == 16 && at == 0) {
                Fail(InflateFault::BadCodeLengths);
                return false;
            }
            const std::uint8_t repeated = symbol == 16 ? lengths[at - 1] : 0;
            const int times = symbol == 16   ? 3 + static_cast<int>(m_in.Bits(2))
                              : symbol == 17 ? 3 + static_cast<int>(m_in.Bits(3))
                                             : 11 + static_cast<int>(m_in.Bits(7));
            if (at + times > count) {
                Fail(InflateFault::BadCodeLengths);
                return false;
            }
            for (int i = 0; i < times; ++i) {
                lengths[at++] = repeated;
            }
        }
        return m_fault == InflateFault::None && !m_in.Truncated();
    }

    // One symbol, read a bit at a time down the canonical code; -1 for no code at all.
    int Decode(const Huffman& h) {
        int code = 0;
        int first = 0;
        int index = 0;
        for (int length = 1; length <= kMaxBits; ++length) {
            code |= static_cast<int>(m_in.Bits(1));
            const int count = h.Count[length];
            if (code - count < first) {
                return h.Symbols[static_cast<std::size_t>(index + (code - first))];
            }
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        Fail(InflateFault::BadCode);
        return -1;
    }

    void Codes(const Huffman& literal, const Huffman& distance) {
        while (m_fault == InflateFault::None && !m_in.Truncated()) {
            const int symbol = Decode(literal);
            if (symbol < 0 || symbol == kEndOfBlock) {
                return;
            }
            if (symbol < 256) {
                Emit(static_cast<char>(symbol));
            } else {
                Copy(symbol - 257, distance);
            }
        }
    }

    void Copy(int lengthCode, const Huffman& distance) {
        if (lengthCode >= 29) {
            Fail(InflateFault::BadCode);
            return;
        }
        const std::size_t length = kLengthBase[lengthCode] + m_in.Bits(kLengthExtra[lengthCode]);
        const int distanceCode = Decode(distance);
        if (distanceCode < 0 || distanceCode >= kDistanceCodes) {
            Fail(InflateFault::BadCode);
            return;
        }
        const std::size_t back =
            kDistanceBase[distanceCode] + m_in.Bits(kDistanceExtra[distanceCode]);
        if (back > m_out.size()) {
            Fail(InflateFault::BadDistance);
            return;
        }
        for (std::size_t i = 0; i < length; ++i) {
            if (!Emit(m_out[m_out.size() - back])) {
                return;
            }
        }
    }

    BitReader m_in;
    std::size_t m_maxSize;
    std::string m_out;
    InflateFault m_fault = InflateFault::None;
};

}  // namespace

std::string Deflate(std::string_view bytes) {
    BitWriter w;
    w.Put(1, 1);  // the final block
    w.Put(1, 2);  // fixed Huffman codes
    MatchFinder finder(bytes);
    std::size_t at = 0;
    while (at < bytes.size()) {
        const MatchFinder::Match match = finder.LongestAt(at);
        const std::size_t step = match.Length > 0 ? match.Length : 1;
        if (match.Length > 0) {
            PutMatch(w, match.Length, match.Distance);
        } else {
            PutFixedSymbol(w, static_cast<std::uint8_t>(bytes[at]));
        }
        for (std::size_t i = 0; i < step; ++i) {
            finder.Insert(at + i);
        }
        at += step;
    }
    PutFixedSymbol(w, kEndOfBlock);
    return w.Finish();
}

Inflated Inflate(std::string_view stream, std::size_t maxSize) {
    return Inflater(stream, maxSize).Run();
}
