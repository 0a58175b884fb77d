// Text made safe for a terminal and for JSON, byte by byte: what must be
// escaped, what must pass untouched (the program's own Spanish, CRLF), and
// the UTF-8 that is not.
#include "session/terminal_text.h"

#include <gtest/gtest.h>

#include "report/json.h"

namespace orbitas {
namespace {

TEST(TerminalText, EscapesWhatATerminalWouldObeyAndNothingElse) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"Júpiter −2,5 ° ′ ″ ☉\n\tñ", "Júpiter −2,5 ° ′ ″ ☉\n\tñ"},  // the program's own text
      {"\x1b]0;PWNED\a\x1b[2J", "\\x1B]0;PWNED\\x07\\x1B[2J"},
      {"a\x7f" "b", "a\\x7Fb"},
      {"\xc2\x9b" "2J", "\\xC2\\x9B2J"},                 // C1 CSI as UTF-8
      {"\xc2\xa0", "\xc2\xa0"},                          // U+00A0 is no control
      {"\x9b" "2J", "\\x9B2J"},                          // C1 as a lone byte
      {"Espa\xf1" "a", "Espa\\xF1a"},                    // Latin-1
      {"\xe2\x88", "\\xE2\\x88"},                        // a cut character
      {"\xc0\xaf", "\\xC0\\xAF"},                        // an overlong '/'
      {"\xed\xa0\x80", "\\xED\\xA0\\x80"},               // a surrogate
      {"BEGIN\r\nEND\r\n", "BEGIN\r\nEND\r\n"},          // the calendar's line ends
      {"100%\rdone", "100%\\x0Ddone"},                   // a lone carriage return
      {std::string("a\0b", 3), "a\\x00b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TerminalSafe(c.in), c.out) << c.in;
    EXPECT_EQ(IsTerminalSafe(c.in), c.in == c.out) << c.in;
  }
  // The eight-byte fast path sees a control at every place in a block.
  for (std::size_t at = 0; at < 17; ++at) {
    std::string text(17, 'x');
    text[at] = '\x1b';
    EXPECT_FALSE(IsTerminalSafe(text)) << at;
    text[at] = '~';
    EXPECT_TRUE(IsTerminalSafe(text)) << at;
    text[at] = '\x7f';
    EXPECT_FALSE(IsTerminalSafe(text)) << at;
  }
}

TEST(TerminalText, JsonIsValidUtf8AndHasNoRawControl) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"Plutón \"casa\" \\", "\"Plutón \\\"casa\\\" \\\\\""},
      {"\x1b[2J\a", "\"\\u001b[2J\\u0007\""},
      {"\x7f\xc2\x9b", "\"\\u007f\\u009b\""},
      {"Espa\xf1" "a", "\"Espa\xef\xbf\xbd" "a\""},
      {"\xf4\x90\x80\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},  // past U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(report::JsonString(c.in), c.out) << c.in;
  bool replaced = false;
  EXPECT_EQ(ValidUtf8("Espa\xf1" "a", &replaced), "Espa\xef\xbf\xbd" "a");
  EXPECT_TRUE(replaced);
  EXPECT_EQ(ValidUtf8("España", &replaced), "España");
  EXPECT_FALSE(replaced);
}

}  // namespace
}  // namespace orbitas
