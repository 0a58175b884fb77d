#include "session/label_texts.h"

#include <cstring>
#include <stdexcept>

#include "runtime/number_text.h"

namespace orbitas {

static_assert(LabelTexts::Capacity >= CStrMaxLength);

void LabelTexts::SetUnwanted(std::initializer_list<ResultLabel> labels) {
  unwanted_.reset();
  for (const ResultLabel label : labels) unwanted_.set(Index(label));
}

void LabelTexts::Set(ResultLabel label, std::string_view text) {
  if (text.size() > Capacity) throw std::length_error("label text too long");
  written_.set(Index(label));
  if (!Wanted(label)) {
    sizes_[Index(label)] = 0;
    return;
  }
  std::memcpy(texts_[Index(label)].data(), text.data(), text.size());
  sizes_[Index(label)] = static_cast<std::uint8_t>(text.size());
}

void LabelTexts::SetNumber(ResultLabel label, double x, std::string_view separator) {
  written_.set(Index(label));
  sizes_[Index(label)] =
      Wanted(label) ? static_cast<std::uint8_t>(WriteCStr(x, separator, texts_[Index(label)].data())) : 0;
}

void LabelTexts::SetSeconds(ResultLabel label, double x, std::string_view separator) {
  written_.set(Index(label));
  sizes_[Index(label)] =
      Wanted(label) ? static_cast<std::uint8_t>(
                          WriteFormat(x, "#0.0##", separator, texts_[Index(label)].data(), Capacity))
                    : 0;
}

}  // namespace orbitas
