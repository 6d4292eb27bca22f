#include "fixed_table.h"

namespace tarne {

void throw_table_bound(const char* what, int index, int first, int last) {
    throw EngineError(std::string("internal ") + what + " index " + std::to_string(index) + " is outside " +
                      std::to_string(first) + ".." + std::to_string(last));
}

}  // namespace tarne
