#include <locale.h>  // newlocale, strtod_l: reading independent of the user's locale

#include <cmath>
#include <cstdlib>
#include <string>

#include "runtime/number_text.h"
#include "runtime/runtime_error.h"

namespace orbitas {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, skipping blanks, and collects the longest leading number
// in the plain form strtod reads.
class LeadingNumber {
 public:
  explicit LeadingNumber(std::string_view text) : text_(text) {}

  // True when nothing but blanks follows what Collect took.
  bool AtEnd() { return Peek() == '\0' && pos_ == text_.size(); }

  std::string Collect() {
    std::string number;
    if (Peek() == '+' || Peek() == '-') number += Take();
    bool digits = false;
    while (IsDigit(Peek())) { number += Take(); digits = true; }
    if (Peek() == '.') {
      number += Take();
      while (IsDigit(Peek())) { number += Take(); digits = true; }
    }
    if (!digits) {
      pos_ = 0;
      return {};
    }
    if (Peek() == 'e' || Peek() == 'E') {
      // The exponent counts only when at least one digit follows it.
      const std::size_t mark = pos_;
      std::string exponent(1, Take());
      if (Peek() == '+' || Peek() == '-') exponent += Take();
      bool exponentDigits = false;
      while (IsDigit(Peek())) { exponent += Take(); exponentDigits = true; }
      if (exponentDigits) number += exponent;
      else pos_ = mark;
    }
    return number;
  }

 private:
  char Peek() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  char Take() { return text_[pos_++]; }

  std::string_view text_;
  std::size_t pos_ = 0;
};

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

}  // namespace

double Val(std::string_view text) {
  const std::string number = LeadingNumber(text).Collect();
  if (number.empty()) return 0.0;
  const double value = strtod_l(number.c_str(), nullptr, CLocale());
  if (std::isinf(value)) RaiseOverflow();
  return value;
}

}  // namespace orbitas

namespace orbitas {

bool ValReadsWhole(std::string_view text) {
  LeadingNumber number(text);
  number.Collect();
  return number.AtEnd();
}

}  // namespace orbitas
