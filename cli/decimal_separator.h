#pragma once
#include <string>

namespace orbitas::cli {

// The decimal separator of the user's numeric locale, as LC_ALL, LC_NUMERIC
// and LANG choose it ("," for es_ES.UTF-8); "." when the locale is unset or
// not installed. The process's locale is left as it was.
std::string DecimalSeparatorFromEnvironment();

}  // namespace orbitas::cli
