#include <cstdint>
#include <string>
#include <string_view>

#include "core/deflate.h"
#include "core/share_link.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Any bytes as a stream: the output stays within its bound, and a fault leaves none.
    const Inflated inflated = Inflate(text, 4096);
    Require(inflated.Bytes.size() <= 4096, "inflated.Bytes.size() <= 4096");
    Require(inflated.Fault == InflateFault::None || inflated.Bytes.empty(),
            "inflated.Fault == InflateFault::None || inflated.Bytes.empty()");
    Require(Inflate(Deflate(text), size).Bytes == text, "Inflate(Deflate(text)) == text");
    // Any text as a link: a battle it gives is written again as the same battle.
    const LinkRead read = ReadShareLink(text);
    Require(read.Battle.has_value() != !read.Problem.empty(), "a battle or a problem");
    if (read.Battle) {
        const SharedBattle& battle = *read.Battle;
        const auto again =
            ShareLinkOf(battle.Table, battle.Attacker, battle.Defender, battle.Count);
        Require(again.has_value(), "again.has_value()");
        const LinkRead reread = ReadShareLink(*again);
        Require(reread.Battle && reread.Battle->Table == battle.Table &&
                    reread.Battle->Attacker == battle.Attacker &&
                    reread.Battle->Defender == battle.Defender &&
                    reread.Battle->Count == battle.Count,
                "the battle read back from its own link");
    }
    return 0;
}
