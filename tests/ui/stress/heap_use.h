#pragma once

#include <cstddef>
#include <cstdlib>
#include <optional>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's own count of live allocations; GCC ships no header declaring it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

// Bytes the program holds on the heap now, or nothing where the allocator cannot tell.
// Under AddressSanitizer its own allocator serves every allocation, so it is asked;
// otherwise glibc's, counting both arena chunks and the large chunks it maps directly.
inline std::optional<std::size_t> HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#elif defined(__GLIBC__)
    // Under Valgrind another allocator serves the program and glibc's counts stay at zero.
    const struct mallinfo2 info = mallinfo2();
    const std::size_t used = info.uordblks + info.hblkhd;
    return used > 0 ? std::optional(used) : std::nullopt;
#else
    return std::nullopt;
#endif
}
