// A fixed-size table of N entries indexed from First (1 unless stated), as
// the engine's formulas number their points, elements and rows. Every
// access is checked: an index outside First..First+N-1 throws EngineError
// instead of writing past the table.
#pragma once

#include <array>
#include <string>

#include "errors.h"

namespace tarne {

[[noreturn]] void throw_table_bound(const char* what, int index, int first, int last);

template <typename T, int N, int First = 1>
class FixedTable {
public:
    static constexpr int capacity = N;
    static constexpr int first = First;
    static constexpr int last = First + N - 1;

    T& operator[](int i) {
        if (i < First || i > last) throw_table_bound("table", i, First, last);
        return values_[static_cast<std::size_t>(i - First)];
    }
    const T& operator[](int i) const {
        if (i < First || i > last) throw_table_bound("table", i, First, last);
        return values_[static_cast<std::size_t>(i - First)];
    }
    void fill(const T& v) { values_.fill(v); }

private:
    std::array<T, N> values_{};
};

}  // namespace tarne
