#include "pictures/picture_file.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <librsvg/rsvg.h>

#include <mutex>
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

// cairo's stream writer: the bytes appended to a string.
cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void DropMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// The libraries' own warnings (Pango's, librsvg's) are English lines for a
// developer, about what the program already reports in Spanish or draws
// anyway: they are not written to the user's terminal.
void QuietLibraries() {
  static std::once_flag quiet;
  std::call_once(quiet, [] {
    for (const char* domain : {"Pango", "librsvg", "rsvg", "GdkPixbuf", "cairo", "GLib-GObject", "GLib"}) {
      g_log_set_handler(domain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL |
                                                           G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG),
                        DropMessage, nullptr);
    }
  });
}

// Draws svg with librsvg on cr, scaled to width x height; an empty
// string, or what went wrong.
std::string DrawSvg(cairo_t* cr, const std::string& svg, int width, int height) {
  QuietLibraries();
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

// Renders svg with librsvg onto a cairo surface of the requested size, a
// PNG image or a one-page PDF, whose bytes go to bytes.
std::string Render(std::string& bytes, const std::string& svg, const PictureRequest& request) {
  cairo_surface_t* surface =
      request.format == PictureFormat::Png
          ? cairo_image_surface_create(CAIRO_FORMAT_ARGB32, request.width, request.height)
          : cairo_pdf_surface_create_for_stream(AppendBytes, &bytes, request.width, request.height);
  cairo_t* cr = cairo_create(surface);
  std::string message = DrawSvg(cr, svg, request.width, request.height);
  cairo_destroy(cr);
  if (message.empty() && request.format == PictureFormat::Png) {
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface, AppendBytes, &bytes);
    if (status != CAIRO_STATUS_SUCCESS) message = CairoReason(status);
  }
  return Finished(surface, message);
}

// One PDF of pages, each of its own size, into bytes.
std::string RenderPages(std::string& bytes, const std::vector<PdfPage>& pages) {
  cairo_surface_t* surface =
      cairo_pdf_surface_create_for_stream(AppendBytes, &bytes, pages.front().width, pages.front().height);
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

PictureFile::PictureFile(PictureRequest request) : request_(std::move(request)) {
  try {
    file_ = std::make_unique<SafeFile>(request_.path);
  } catch (const FileWriteError& error) {
    throw PictureFileError("no se puede escribir el dibujo " + ShownPath(request_.path) + ": " + error.why());
  }
}

PictureFile::~PictureFile() = default;

std::string PictureFile::Commit(const std::string& svg) {
  if (request_.format == PictureFormat::Svg) return Finish(svg, "");
  std::string bytes;
  const std::string reason = Render(bytes, svg, request_);
  return Finish(bytes, reason);
}

std::string PictureFile::CommitPages(const std::vector<PdfPage>& pages) {
  if (request_.format != PictureFormat::Pdf || pages.empty()) return Finish("", "solo un PDF tiene varias páginas");
  std::string bytes;
  const std::string reason = RenderPages(bytes, pages);
  return Finish(bytes, reason);
}

std::string PictureFile::Finish(const std::string& bytes, const std::string& reason) {
  if (!reason.empty()) return "no se pudo dibujar " + ShownPath(request_.path) + ": " + reason;
  try {
    file_->Commit(bytes);
  } catch (const FileWriteError& error) {
    return "no se pudo escribir el dibujo " + ShownPath(request_.path) + ": " + error.why();
  }
  return "";
}

}  // namespace orbitas::pictures
