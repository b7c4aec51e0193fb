// Setting and removing environment variables, as each platform does it.
#pragma once

namespace korvane::testing {

// Sets the variable, or removes it for a null value.
void setEnvironment(const char* name, const char* value);

} // namespace korvane::testing
