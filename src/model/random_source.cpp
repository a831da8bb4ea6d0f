#include "model/random_source.h"

#include <cmath>

namespace kestrel {

float RandomSource::draw() {
    ++draws_;
    if (!preset_.empty()) {
        const float value = preset_.front();
        preset_.pop_front();
        return value;
    }
    const std::uint32_t bits = static_cast<std::uint32_t>(engine_()) >> 8;
    return std::ldexp(static_cast<float>(bits), -24);
}

}  // namespace kestrel
