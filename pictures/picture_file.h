#pragma once
// Where a picture goes: its format from the file name's extension, a
// temporary file beside it opened before any work (so that a path that
// cannot be written is refused at once), and the SVG rendered into it and
// renamed over the name asked for only when complete.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbitas::pictures {

enum class PictureFormat { Svg, Png, Pdf };

struct PictureRequest {
  std::string path;  // empty: no picture
  PictureFormat format = PictureFormat::Svg;
  int width = 1200, height = 900;  // pixels (points for PDF)
};

// A picture's file that cannot be created; the message names the path
// and the system's reason, in Spanish.
class PictureFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A page of a PDF of many: its SVG and its size in points.
struct PdfPage {
  std::string svg;
  int width = 595, height = 842;
};

class PictureFile {
 public:
  // Creates the temporary file beside request.path. Raises PictureFileError,
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

  // Writes pages, one after another, as one PDF (the request's size
  // aside: each page has its own) and renames it into place. Returns an
  // empty string, or a Spanish message saying what failed; a request that
  // is not a PDF fails.
  std::string CommitPages(const std::vector<PdfPage>& pages);

 private:
  // Renames the file written into place unless reason says it failed.
  std::string Finish(std::string reason);

  PictureRequest request_;
  std::string target_;  // the file written: request_.path, or where its links lead
  std::string temporary_;
  bool committed_ = false;
};

}  // namespace orbitas::pictures
