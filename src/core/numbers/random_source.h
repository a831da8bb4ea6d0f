#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>

namespace kestrel {

// The program's one source of random draws. It starts from the generator's
// default seed and is never reseeded, so every launch replays the same run.
class RandomSource {
public:
    // A uniform single in [0, 1): the top 24 bits of the next 32-bit output,
    // scaled by 2^-24, so every value is exact and 1 is never reached.
    float draw();

    // How many numbers have been drawn since launch.
    [[nodiscard]] std::uint64_t draws() const { return draws_; }

    // The next draws return these values, in order; then the generator goes
    // on where it was. For driving a procedure down a chosen path.
    void preset(std::initializer_list<float> values) { preset_.insert(preset_.end(), values); }

private:
    std::mt19937 engine_;
    std::deque<float> preset_;
    std::uint64_t draws_ = 0;
};

}  // namespace kestrel
