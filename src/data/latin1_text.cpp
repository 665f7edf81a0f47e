#include "data/latin1_text.h"

#include <algorithm>

namespace {

constexpr unsigned kLeadOfTwo = 0xC0;
constexpr unsigned kContinuation = 0x80;
constexpr unsigned kPayload = 0x3F;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string Utf8FromLatin1(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < kContinuation) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(kLeadOfTwo | (byte >> 6)));
            utf8.push_back(static_cast<char>(kContinuation | (byte & kPayload)));
        }
    }
    return utf8;
}

// Latin-1 reaches only U+00FF: an ASCII byte, or a two-byte sequence led by C2 or C3.
std::optional<std::string> Latin1FromUtf8(std::string_view utf8) {
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < kContinuation) {
            latin1.push_back(utf8[i]);
            continue;
        }
        const bool leadsLatin1 = byte == 0xC2 || byte == 0xC3;
        if (!leadsLatin1 || i + 1 == utf8.size()) {
            return std::nullopt;
        }
        const auto next = static_cast<unsigned char>(utf8[++i]);
        if ((next & ~kPayload) != kContinuation) {
            return std::nullopt;
        }
        latin1.push_back(static_cast<char>(((byte & 0x03U) << 6) | (next & kPayload)));
    }
    return latin1;
}

std::optional<std::string> Latin1FromUtf8File(std::string_view bytes) {
    const bool marked = bytes.starts_with(kByteOrderMark);
    if (marked) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](char c) {
        return static_cast<unsigned char>(c) >= kContinuation;
    });
    if (!marked && !beyondAscii) {
        return std::nullopt;
    }
    return Latin1FromUtf8(bytes);
}
