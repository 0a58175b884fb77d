#pragma once
// Where a picture goes: its format from the file name's extension, the
// file checked and prepared by the safe writer before any work (so that a
// path that cannot be written is refused at once), and the SVG rendered in
// memory and written in place whole, only when complete.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/safe_file.h"

namespace orbitas::pictures {

enum class PictureFormat { Svg, Png, Pdf };

struct PictureRequest {
  std::string path;  // empty: no picture
  PictureFormat format = PictureFormat::Svg;
  int width = 1200, height = 900;  // pixels (points for PDF)
  bool sizeGiven = false;          // by the user (--tamaño), not the default
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
  // Prepares request.path with the safe writer. Raises PictureFileError,
  // naming the path and why, when it cannot be written (no such folder, a
  // device, a link of another user's, …).
  explicit PictureFile(PictureRequest request);
  // Leaves the file as it was unless Commit succeeded.
  ~PictureFile();
  PictureFile(const PictureFile&) = delete;
  PictureFile& operator=(const PictureFile&) = delete;

  const PictureRequest& request() const { return request_; }
  // For a drawing as high as what it shows rather than the request's
  // default: height pixels (at least 1). Call before Commit.
  void SetHeight(int height) { request_.height = height > 1 ? height : 1; }

  // Writes svg in the request's format and puts the file in place. Returns
  // an empty string, or a Spanish message saying what failed. Call once.
  std::string Commit(const std::string& svg);

  // Writes pages, one after another, as one PDF (the request's size
  // aside: each page has its own) and puts it in place. Returns an
  // empty string, or a Spanish message saying what failed; a request that
  // is not a PDF fails.
  std::string CommitPages(const std::vector<PdfPage>& pages);

 private:
  // Writes bytes into place unless reason says the drawing failed.
  std::string Finish(const std::string& bytes, const std::string& reason);

  PictureRequest request_;
  std::unique_ptr<SafeFile> file_;
};

}  // namespace orbitas::pictures
