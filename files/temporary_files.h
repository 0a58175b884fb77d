#pragma once
// The temporary files a write has made and not yet renamed into place,
// remembered so that SIGINT, SIGTERM or SIGHUP removes them before the
// program ends: a program stopped halfway leaves nothing beside the target.
#include <string>

namespace orbitas {

// Remembers path until Forget(slot); installs the signal handlers the first
// time (a signal the program ignores stays ignored; one with a handler of
// its own gets it after the files are removed). Returns the slot, or -1
// when every slot is taken or the path is too long to keep (the file is
// then still removed on every ordinary failure, only not on a signal).
// Safe to call from several threads.
int RememberTemporary(const std::string& path);

// Forgets the path of slot (from RememberTemporary; -1 does nothing).
void ForgetTemporary(int slot);

}  // namespace orbitas
