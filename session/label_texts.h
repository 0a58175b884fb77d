#pragma once
// The texts of one planet request's result labels, indexed by label, in
// fixed buffers: making them takes no heap allocation, so a table reuses
// one LabelTexts for every row.

#include <array>
#include <bitset>
#include <string_view>

#include "session/result_label.h"

namespace orbitas {

class LabelTexts {
 public:
  // Room for the longest text a result label takes: a heading ("Coordenadas
  // heliocéntricas de Mercurio", 39 bytes) or a number.
  static constexpr std::size_t Capacity = 48;

  // All labels unwritten, with their texts wanted; a request starts so.
  void Clear() { written_.reset(); }

  // Labels whose texts a caller never shows: the request still marks them
  // written when it reaches them, but leaves their texts empty and spends
  // no time making them.
  void SetUnwanted(std::initializer_list<ResultLabel> labels);
  bool Wanted(ResultLabel label) const { return !unwanted_[Index(label)]; }

  // Whether the request reached the label, and the text it wrote there
  // (empty when it did not reach it).
  bool Written(ResultLabel label) const { return written_[Index(label)]; }
  std::string_view operator[](ResultLabel label) const {
    return Written(label) ? std::string_view(texts_[Index(label)].data(), sizes_[Index(label)])
                          : std::string_view();
  }

  // Writes text, or CStr(x), or Format(x, "#0.0##"), into the label.
  void Set(ResultLabel label, std::string_view text);
  void SetNumber(ResultLabel label, double x, std::string_view separator);
  void SetSeconds(ResultLabel label, double x, std::string_view separator);

 private:
  std::array<std::array<char, Capacity>, ResultLabelCount> texts_{};
  std::array<std::uint8_t, ResultLabelCount> sizes_{};
  std::bitset<ResultLabelCount> written_;
  std::bitset<ResultLabelCount> unwanted_;
};

}  // namespace orbitas
