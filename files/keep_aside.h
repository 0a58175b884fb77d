#pragma once
// A user's file that the program cannot read is never lost: before it is
// written anew, the old one is kept beside it under a name of its own.
#include <string>

namespace orbitas {

// Keeps the file at path beside it, under the first of PATH.roto,
// PATH.roto.1, PATH.roto.2, … that is free, so that no earlier one is ever
// replaced: the file itself moves there, or for a symbolic link, a copy of
// what it leads to (the link stays, to be written through). Returns the
// name it is kept under. Raises FileWriteError (files/safe_file.h), in
// Spanish, naming path and why, when it cannot be kept.
std::string KeepAside(const std::string& path);

}  // namespace orbitas
