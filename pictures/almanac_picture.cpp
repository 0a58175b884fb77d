#include "pictures/almanac_picture.h"

#include <algorithm>
#include <vector>

#include "pictures/picture_style.h"
#include "pictures/svg_writer.h"
#include "pictures/text_fit.h"

namespace orbitas::pictures {
namespace {

// text broken at spaces into lines no wider than width at size.
std::vector<std::string> Wrapped(const std::string& text, double size, double width) {
  std::vector<std::string> lines;
  std::string line, word;
  const auto flush = [&] {
    if (line.empty()) return;
    lines.push_back(line);
    line.clear();
  };
  for (std::size_t at = 0; at <= text.size(); ++at) {
    if (at < text.size() && text[at] != ' ') {
      word += text[at];
      continue;
    }
    if (!line.empty() && TextWidth(line + " " + word, size) > width) flush();
    line += (line.empty() ? "" : " ") + word;
    word.clear();
  }
  flush();
  return lines;
}

// The body's size: as large as 9 points on A4 allows, smaller when the
// month has many lines for room (pixels of height).
double BodySize(const AlmanacPage& page, int width, double usable, double room) {
  double size = 9.0 * width / 595;
  for (int tries = 0; tries < 8; ++tries) {
    std::size_t lines = 0;
    for (const AlmanacSection& s : page.sections) {
      lines += 2;
      for (const std::string& line : s.lines) lines += Wrapped(line, size, usable - 2 * size).size();
    }
    if (1.45 * size * static_cast<double>(lines) <= room) break;
    size *= 0.92;
  }
  return size;
}

}  // namespace

std::string DrawAlmanacPage(const AlmanacPage& page, int width, int height) {
  SvgWriter svg(width, height, page.title);
  const double margin = width * 0.07, usable = width - 2 * margin;
  const double size = BodySize(page, width, usable, height - margin * 2 - 60);
  double y = margin + 16;
  svg.Open("titulo", "titulo", "");
  svg.Text({margin, y}, page.title, FittedSize(page.title, 16.0 * width / 595, usable), "start", "#000000", "", true);
  y += 16;
  svg.Text({margin, y}, page.subtitle, std::max(7.0, FittedSize(page.subtitle, size * 0.85, usable, false)), "start", "#333333");
  svg.Close();
  y += size * 1.6;
  for (const AlmanacSection& s : page.sections) {
    svg.Open("", "seccion", s.heading);
    y += size * 0.6;
    svg.Text({margin, y}, s.heading, size * 1.15, "start", "#000000", "", true);
    svg.Line({margin, y + size * 0.35}, {margin + usable, y + size * 0.35}, "#000000", 0.5);
    y += size * 1.5;
    for (const std::string& line : s.lines) {
      // A long line goes on under itself, indented.
      const std::vector<std::string> parts = Wrapped(line, size, usable - 2 * size);
      for (std::size_t k = 0; k < parts.size(); ++k) {
        svg.Text({margin + size * (k == 0 ? 1 : 2), y}, parts[k], size, "start", "#000000");
        y += size * 1.4;
      }
    }
    svg.Close();
  }
  return svg.Finish();
}

}  // namespace orbitas::pictures
