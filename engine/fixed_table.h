// A fixed-size table indexed from 1, as the engine's formulas number their
// points, elements and rows. Every access is checked: an index outside
// 1..N throws EngineError instead of writing past the table.
#pragma once

#include <array>
#include <string>

#include "errors.h"

namespace tarne {

[[noreturn]] void throw_table_bound(const char* what, int index, int capacity);

template <typename T, int N>
class FixedTable {
public:
    static constexpr int capacity = N;

    T& operator[](int i) {
        if (i < 1 || i > N) throw_table_bound("table", i, N);
        return values_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        if (i < 1 || i > N) throw_table_bound("table", i, N);
        return values_[static_cast<std::size_t>(i - 1)];
    }
    void fill(const T& v) { values_.fill(v); }

private:
    std::array<T, N> values_{};
};

}  // namespace tarne
