#include "texts/system_reasons.h"

#include <cerrno>
#include <system_error>

namespace zarv {
namespace {

struct Reason {
  int error;
  LanguageText text;
};

constexpr Reason kReasons[] = {
    {ENOSPC, {"нет места на устройстве", "kein Platz mehr auf dem Gerät", "no space left on device"}},
    {EDQUOT, {"превышена дисковая квота", "Plattenkontingent überschritten", "disk quota exceeded"}},
    {EACCES, {"доступ запрещен", "Zugriff verweigert", "permission denied"}},
    {EPERM, {"операция не разрешена", "Operation nicht erlaubt", "operation not permitted"}},
    {ENOENT, {"нет такого файла или каталога", "Datei oder Verzeichnis nicht gefunden",
              "no such file or directory"}},
    {ENOTDIR, {"не является каталогом", "ist kein Verzeichnis", "not a directory"}},
    {EISDIR, {"является каталогом", "ist ein Verzeichnis", "is a directory"}},
    {EROFS, {"файловая система только для чтения", "Dateisystem nur lesbar",
             "read-only file system"}},
    {EBUSY, {"файл занят или подменен", "Datei belegt oder ausgetauscht",
             "file busy or replaced"}},
    {ELOOP, {"слишком много символьных ссылок", "zu viele symbolische Verknüpfungen",
             "too many symbolic links"}},
    {ENAMETOOLONG, {"слишком длинное имя файла", "Dateiname zu lang", "file name too long"}},
    {EIO, {"ошибка ввода-вывода", "Ein-/Ausgabefehler", "input/output error"}},
    {EPIPE, {"канал закрыт", "Pipe geschlossen", "broken pipe"}},
    {EBADF, {"неверный дескриптор файла", "ungültiger Dateideskriptor", "bad file descriptor"}},
    {ENXIO, {"нет такого устройства", "kein solches Gerät", "no such device"}},
};

}  // namespace

std::string SystemReason(int error, Language language) {
  for (const Reason& r : kReasons) {
    if (r.error == error) return r.text.in(language);
  }
  return std::generic_category().message(error);
}

}  // namespace zarv
