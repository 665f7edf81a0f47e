#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Raw DEFLATE (RFC 1951) for the cells a battle link carries: the page's WebAssembly build
// has no zlib. The writer needs only the fixed Huffman codes with LZ77 matches; the reader
// takes every block type, and its output is bounded, so a hostile stream costs little.

std::string Deflate(std::string_view bytes);

enum class InflateFault {
    None,
    Truncated,
    BadBlockType,
    BadStoredLength,
    BadCodeLengths,
    BadCode,
    BadDistance,
    TooLong,
};

struct Inflated {
    std::string Bytes;
    InflateFault Fault = InflateFault::None;
};

// The stream's bytes, or the first fault met; output beyond `maxSize` bytes is TooLong.
// Bytes after the final block are ignored, as zlib's raw inflate leaves them.
Inflated Inflate(std::string_view stream, std::size_t maxSize);
