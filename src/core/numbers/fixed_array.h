#pragma once

#include <array>
#include <cstddef>

#include "core/numbers/run_time_error.h"

namespace kestrel {

// A fixed array indexed First..Last whose every access is range-tested: an
// index outside the bounds is a subscript error, never a stray read or write.
template <typename T, int First, int Last>
class FixedArray {
public:
    static constexpr int first = First;
    static constexpr int last = Last;

    T& operator()(int index) { return elements_[offset(index)]; }
    const T& operator()(int index) const { return elements_[offset(index)]; }

    auto begin() { return elements_.begin(); }
    auto end() { return elements_.end(); }
    [[nodiscard]] auto begin() const { return elements_.begin(); }
    [[nodiscard]] auto end() const { return elements_.end(); }

    void fill(const T& value) { elements_.fill(value); }

    bool operator==(const FixedArray&) const = default;

private:
    static std::size_t offset(int index) {
        if (index < First || index > Last) {
            raiseSubscript();
        }
        return static_cast<std::size_t>(index - First);
    }

    std::array<T, static_cast<std::size_t>(Last - First + 1)> elements_{};
};

}  // namespace kestrel
