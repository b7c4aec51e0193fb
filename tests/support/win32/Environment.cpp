#include "support/Environment.h"

#include <cstdlib>

namespace korvane::testing {

// An empty value removes the variable.
void setEnvironment(const char* name, const char* value) {
    _putenv_s(name, value ? value : "");
}

} // namespace korvane::testing
