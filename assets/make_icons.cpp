// Renders the program icon from its SVG to the PNG sizes of the icon theme.
// Usage: zarv-make-icons ICON.svg OUTPUT_DIR
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: zarv-make-icons ICON.svg OUTPUT_DIR\n");
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  for (const int size : {48, 256}) {  // px
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      svg.render(&p);
    }
    const QString path = out.filePath(QStringLiteral("org.zarv.Zarv-%1.png").arg(size));
    if (!image.save(path, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
