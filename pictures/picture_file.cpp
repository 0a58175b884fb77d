#include "pictures/picture_file.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <librsvg/rsvg.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>


namespace orbitas::pictures {
namespace {

// What cairo's status means, in Spanish: its own strings are English.
std::string CairoReason(cairo_status_t status) {
  switch (status) {
    case CAIRO_STATUS_WRITE_ERROR: return "no se pudo escribir en el fichero (¿disco lleno, o sin permiso?)";
    case CAIRO_STATUS_NO_MEMORY: return "no hay memoria bastante";
    case CAIRO_STATUS_INVALID_SIZE: return "tamaño no válido para el dibujo";
    default: return std::string("cairo no pudo dibujarlo (") + cairo_status_to_string(status) + ")";
  }
}

// The file a path names at the end of its symbolic links: a picture asked
// for through a link replaces the link's target, as editors do, and the
// link stays. A dangling link names the file it would point at.
std::string FinalTarget(const std::string& path) {
  std::filesystem::path target(path);
  std::error_code error;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(target, error); ++hops) {
    const std::filesystem::path next = std::filesystem::read_symlink(target, error);
    if (error) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target.string();
}

std::string WriteSvgText(const std::string& path, const std::string& svg) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return std::strerror(errno);
  const bool written = std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
  const int writeError = errno;
  if (std::fclose(file) != 0) return std::strerror(errno);
  return written ? "" : std::strerror(writeError);
}

// Renders svg with librsvg onto a cairo surface of the requested size: a
// PNG image or a one-page PDF.
std::string Render(const std::string& path, const std::string& svg, const PictureRequest& request) {
  GError* error = nullptr;
  RsvgHandle* handle =
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
  if (!handle) {
    std::string message = error ? error->message : "SVG no válido";
    if (error) g_error_free(error);
    return message;
  }
  cairo_surface_t* surface =
      request.format == PictureFormat::Png
          ? cairo_image_surface_create(CAIRO_FORMAT_ARGB32, request.width, request.height)
          : cairo_pdf_surface_create(path.c_str(), request.width, request.height);
  cairo_t* cr = cairo_create(surface);
  const RsvgRectangle viewport{0, 0, static_cast<double>(request.width), static_cast<double>(request.height)};
  std::string message;
  if (!rsvg_handle_render_document(handle, cr, &viewport, &error)) {
    message = error ? error->message : "no se pudo dibujar";
    if (error) g_error_free(error);
  }
  cairo_destroy(cr);
  if (message.empty() && request.format == PictureFormat::Png) {
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) message = CairoReason(status);
  }
  cairo_surface_finish(surface);
  if (message.empty() && cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    message = CairoReason(cairo_surface_status(surface));
  }
  cairo_surface_destroy(surface);
  g_object_unref(handle);
  return message;
}

}  // namespace

PictureFile::PictureFile(PictureRequest request) : request_(std::move(request)), target_(FinalTarget(request_.path)) {
  std::vector<char> name(target_.begin(), target_.end());
  for (const char c : std::string(".XXXXXX")) name.push_back(c);
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    throw PictureFileError("no se puede escribir el dibujo " + request_.path + ": " + std::strerror(errno));
  }
  // The finished file gets the permissions of any new file, not mkstemp's.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  close(fd);
  temporary_ = name.data();
}

PictureFile::~PictureFile() {
  if (!committed_ && !temporary_.empty()) unlink(temporary_.c_str());
}

std::string PictureFile::Commit(const std::string& svg) {
  std::string reason = request_.format == PictureFormat::Svg ? WriteSvgText(temporary_, svg)
                                                             : Render(temporary_, svg, request_);
  if (reason.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0) reason = std::strerror(errno);
  if (!reason.empty()) return "no se pudo escribir el dibujo " + request_.path + ": " + reason;
  committed_ = true;
  return "";
}

}  // namespace orbitas::pictures
