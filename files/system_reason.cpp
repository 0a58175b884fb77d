#include "files/system_reason.h"

#include <cerrno>

namespace orbitas {
namespace {

struct ReasonRow {
  int error;
  const char* text;
};

// The errors a user can meet when a file is read or written, and the few
// others a call here can return.
constexpr ReasonRow Reasons[] = {
    {ENOENT, "no existe"},
    {EACCES, "no hay permiso"},
    {EPERM, "la operación no está permitida"},
    {EISDIR, "es una carpeta, no un fichero"},
    {ENOTDIR, "una parte del camino no es una carpeta"},
    {ENOSPC, "el disco está lleno"},
    {EDQUOT, "se ha agotado la cuota de disco"},
    {EROFS, "el sistema de ficheros es de solo lectura"},
    {ELOOP, "demasiados enlaces simbólicos (¿un enlace que se apunta a sí mismo?)"},
    {ENAMETOOLONG, "el nombre es demasiado largo"},
    {EEXIST, "ya existe"},
    {EPIPE, "quien leía la salida la ha cerrado"},
    {EIO, "error de entrada y salida del dispositivo"},
    {EMFILE, "hay demasiados ficheros abiertos"},
    {ENFILE, "el sistema tiene demasiados ficheros abiertos"},
    {ENXIO, "no hay dispositivo ni lector al otro lado"},
    {ETXTBSY, "el fichero está en uso como programa"},
    {EXDEV, "no se puede mover entre sistemas de ficheros distintos"},
    {EBUSY, "el fichero o el dispositivo está ocupado"},
    {EINVAL, "argumento no válido"},
    {ENOMEM, "no hay memoria bastante"},
    {EFBIG, "el fichero es demasiado grande"},
    {EAGAIN, "el recurso no está disponible por ahora"},
    {EINTR, "la operación se interrumpió"},
    {EBADF, "el fichero no está abierto"},
    {ENODEV, "no existe el dispositivo"},
    {EOPNOTSUPP, "el sistema de ficheros no lo admite"},
    {ENOTEMPTY, "la carpeta no está vacía"},
    {ESTALE, "el fichero de red ya no existe en el servidor"},
};

}  // namespace

std::string SystemReason(int error) {
  for (const ReasonRow& row : Reasons) {
    if (row.error == error) return row.text;
  }
  return "error del sistema número " + std::to_string(error);
}

}  // namespace orbitas
