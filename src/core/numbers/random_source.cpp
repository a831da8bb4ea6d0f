#include "core/numbers/random_source.h"

namespace kestrel {

float RandomSource::draw() {
    ++draws_;
    if (!preset_.empty()) {
        const float value = preset_.front();
        preset_.pop_front();
        return value;
    }
    const std::uint32_t bits = static_cast<std::uint32_t>(engine_()) >> 8;
    return static_cast<float>(bits) * 0x1p-24F;  // exact: bits has 24 bits
}

}  // namespace kestrel
