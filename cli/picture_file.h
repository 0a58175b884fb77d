#pragma once
// Where a picture goes: its format from the file name's extension, a
// temporary file beside it opened before any work (so that a path that
// cannot be written is refused at once), and the SVG rendered into it and
// renamed over the name asked for only when complete.
#include <cstdio>
#include <string>

namespace orbitas::cli {

enum class PictureFormat { Svg, Png, Pdf };

struct PictureRequest {
  std::string path;  // empty: no picture
  PictureFormat format = PictureFormat::Svg;
  int width = 1200, height = 900;  // pixels (points for PDF)
};

// The format of path by its extension (.svg, .png, .pdf, any case).
// Raises UsageError for any other.
PictureFormat PictureFormatOf(const std::string& path);

// "ANCHOxALTO": two whole numbers from 16 to 10000. Raises UsageError.
std::pair<int, int> ParsePictureSize(const std::string& text);

class PictureFile {
 public:
  // Creates the temporary file beside request.path. Raises UsageError,
  // naming the path and the system's reason, when it cannot.
  explicit PictureFile(PictureRequest request);
  // Removes the temporary file unless Commit succeeded.
  ~PictureFile();
  PictureFile(const PictureFile&) = delete;
  PictureFile& operator=(const PictureFile&) = delete;

  const PictureRequest& request() const { return request_; }

  // Writes svg in the request's format and renames the file into place.
  // Returns an empty string, or a Spanish message saying what failed.
  std::string Commit(const std::string& svg);

 private:
  PictureRequest request_;
  std::string temporary_;
  bool committed_ = false;
};

}  // namespace orbitas::cli
