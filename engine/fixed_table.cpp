#include "fixed_table.h"

namespace tarne {

void throw_table_bound(const char* what, int index, int capacity) {
    throw EngineError(std::string("internal ") + what + " index " + std::to_string(index) +
                      " is outside 1.." + std::to_string(capacity));
}

}  // namespace tarne
