#pragma once
// Why a call to the system failed, in Spanish whatever the locale: the C
// library's own strings follow LC_MESSAGES and are English under C.UTF-8.
#include <string>

namespace orbitas {

// The Spanish reason for errno value error (ENOENT, EACCES, ENOSPC, …), as
// a phrase that follows "no se puede escribir X: ". A value the table lacks
// is "error del sistema número N". Never raises.
std::string SystemReason(int error);

}  // namespace orbitas
