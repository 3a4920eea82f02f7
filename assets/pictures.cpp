#include "pictures.h"

#include <QString>

namespace zarv {

QImage LoadPicture(const char* file) {
  return QImage(QStringLiteral(":/pictures/") + QString::fromLatin1(file), "JPEG");
}

}  // namespace zarv
