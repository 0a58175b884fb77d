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

// Draws svg with librsvg on cr, scaled to width x height; an empty
// string, or what went wrong.
std::string DrawSvg(cairo_t* cr, const std::string& svg, int width, int height) {
  GError* error = nullptr;
  RsvgHandle* handle =
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
  if (!handle) {
    std::string message = error ? error->message : "SVG no válido";
    if (error) g_error_free(error);
    return message;
  }
  const RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
  std::string message;
  if (!rsvg_handle_render_document(handle, cr, &viewport, &error)) {
    message = error ? error->message : "no se pudo dibujar";
    if (error) g_error_free(error);
  }
  g_object_unref(handle);
  return message;
}

// What went wrong with surface, once finished, or an empty string.
std::string Finished(cairo_surface_t* surface, std::string message) {
  cairo_surface_finish(surface);
  if (message.empty() && cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    message = CairoReason(cairo_surface_status(surface));
  }
  cairo_surface_destroy(surface);
  return message;
}

// Renders svg with librsvg onto a cairo surface of the requested size: a
// PNG image or a one-page PDF.
std::string Render(const std::string& path, const std::string& svg, const PictureRequest& request) {
  cairo_surface_t* surface =
      request.format == PictureFormat::Png
          ? cairo_image_surface_create(CAIRO_FORMAT_ARGB32, request.width, request.height)
          : cairo_pdf_surface_create(path.c_str(), request.width, request.height);
  cairo_t* cr = cairo_create(surface);
  std::string message = DrawSvg(cr, svg, request.width, request.height);
  cairo_destroy(cr);
  if (message.empty() && request.format == PictureFormat::Png) {
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) message = CairoReason(status);
  }
  return Finished(surface, message);
}

// One PDF of pages, each of its own size.
std::string RenderPages(const std::string& path, const std::vector<PdfPage>& pages) {
  cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), pages.front().width, pages.front().height);
  std::string message;
  for (const PdfPage& page : pages) {
    cairo_pdf_surface_set_size(surface, page.width, page.height);
    cairo_t* cr = cairo_create(surface);
    if (message.empty()) message = DrawSvg(cr, page.svg, page.width, page.height);
    cairo_show_page(cr);
    cairo_destroy(cr);
  }
  return Finished(surface, message);
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
  return Finish(request_.format == PictureFormat::Svg ? WriteSvgText(temporary_, svg) : Render(temporary_, svg, request_));
}

std::string PictureFile::CommitPages(const std::vector<PdfPage>& pages) {
  if (request_.format != PictureFormat::Pdf || pages.empty()) return Finish("solo un PDF tiene varias páginas");
  return Finish(RenderPages(temporary_, pages));
}

std::string PictureFile::Finish(std::string reason) {
  if (reason.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0) reason = std::strerror(errno);
  if (!reason.empty()) return "no se pudo escribir el dibujo " + request_.path + ": " + reason;
  committed_ = true;
  return "";
}

}  // namespace orbitas::pictures
