#pragma once
// What every front end does with a name the user typed: fold it for
// comparison, and offer the nearest known names when it matches none.
// Planets, options, formats, instruments, zones, countries and places all
// go through these, so "Jupiter", "JÚPITER" and "júpiter" are one name and
// a mistyped one is answered the same way everywhere.
#include <string>
#include <string_view>
#include <vector>

namespace orbitas {

// text in lower-case ASCII for comparison: the accented letters of any
// Latin script made plain ("Júpiter", "JUPITER": "jupiter"; "Tromsø":
// "tromso"; "Reykjavík": "reykjavik"). Text that is not valid UTF-8 is only
// lower-cased, byte by byte.
std::string Folded(std::string_view text);

// The names of known nearest to text (by edit distance of their folded
// forms), at most three, none when nothing is within a third of the text's
// length (at least 1, at most 3 edits).
std::vector<std::string> NearestNames(std::string_view text, const std::vector<std::string>& known);

// "; ¿quería decir X?" (or "X o Y") with NearestNames's names, or nothing
// when none is near: the end of a message that refuses text.
std::string Suggestion(std::string_view text, const std::vector<std::string>& known);

// text as a message may show it back: control characters and bytes that
// are not UTF-8 written as \xNN, and cut to 60 characters with "…", so a
// terminal is never driven by what the user typed and a huge value is not
// echoed whole.
std::string Shown(std::string_view text);

// "X", "X o Y", "X, Y o Z": names joined as a Spanish list.
std::string SpanishList(const std::vector<std::string>& names);

}  // namespace orbitas
