#include "support/Environment.h"

#include <cstdlib>

namespace korvane::testing {

void setEnvironment(const char* name, const char* value) {
    if (value) {
        ::setenv(name, value, 1);
    } else {
        ::unsetenv(name);
    }
}

} // namespace korvane::testing
