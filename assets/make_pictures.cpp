// Draws the decorative pictures of both windows and saves them as JPEG.
// Usage: zarv-make-pictures OUTPUT_DIR
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>

namespace {

const QColor kInk(38, 52, 74);        // silhouettes
const QColor kSkyTop(120, 170, 220);
const QColor kSkyLow(222, 236, 248);
const QColor kGround(96, 128, 88);

void Sky(QPainter& p, const QSize& size, QColor top = kSkyTop, QColor low = kSkyLow) {
  QLinearGradient g(0, 0, 0, size.height());
  g.setColorAt(0, top);
  g.setColorAt(1, low);
  p.fillRect(QRect(QPoint(0, 0), size), g);
}

void Ground(QPainter& p, const QSize& size, int height) {
  const int y = size.height() - height;
  p.fillRect(0, y, size.width(), height, kGround);
  p.setPen(QPen(kGround.darker(130), 1));
  p.drawLine(0, y, size.width(), y);
}

// A rocket pointing up, nose at (x, top), body width w, length h.
void Rocket(QPainter& p, double x, double top, double w, double h, bool flame) {
  const double body = top + h * 0.28;
  const double tail = top + h;
  if (flame) {
    QPainterPath f;
    f.moveTo(x - w * 0.35, tail);
    f.quadTo(x, tail + h * 0.55, x + w * 0.35, tail);
    f.closeSubpath();
    QRadialGradient g(x, tail + h * 0.1, h * 0.45);
    g.setColorAt(0, QColor(255, 250, 200));
    g.setColorAt(0.5, QColor(255, 170, 50));
    g.setColorAt(1, QColor(230, 80, 30, 0));
    p.fillPath(f, g);
  }
  QPainterPath r;
  r.moveTo(x, top);
  r.cubicTo(x + w * 0.5, top + h * 0.08, x + w * 0.5, body - h * 0.05, x + w * 0.5, body);
  r.lineTo(x + w * 0.5, tail - h * 0.18);
  r.lineTo(x + w * 1.1, tail);
  r.lineTo(x - w * 1.1, tail);
  r.lineTo(x - w * 0.5, tail - h * 0.18);
  r.lineTo(x - w * 0.5, body);
  r.cubicTo(x - w * 0.5, body - h * 0.05, x - w * 0.5, top + h * 0.08, x, top);
  p.fillPath(r, kInk);
}

// A gas balloon with its basket; centre of the envelope at (x, y), radius r.
void Balloon(QPainter& p, double x, double y, double r, QColor colour) {
  QRadialGradient g(x - r * 0.35, y - r * 0.35, r * 1.4);
  g.setColorAt(0, colour.lighter(150));
  g.setColorAt(1, colour);
  QPainterPath e;
  e.moveTo(x, y + r * 1.25);
  e.cubicTo(x - r * 0.5, y + r * 0.9, x - r, y + r * 0.6, x - r, y);
  e.arcTo(x - r, y - r, 2 * r, 2 * r, 180, -180);
  e.cubicTo(x + r, y + r * 0.6, x + r * 0.5, y + r * 0.9, x, y + r * 1.25);
  p.fillPath(e, g);
  p.setPen(QPen(kInk, 1));
  const double basketTop = y + r * 1.65;
  p.drawLine(QPointF(x - r * 0.12, y + r * 1.2), QPointF(x - r * 0.18, basketTop));
  p.drawLine(QPointF(x + r * 0.12, y + r * 1.2), QPointF(x + r * 0.18, basketTop));
  p.fillRect(QRectF(x - r * 0.2, basketTop, r * 0.4, r * 0.28), kInk);
}

// A blunt re-entry capsule, heat shield facing down-left; centre (x, y), size s.
void Capsule(QPainter& p, double x, double y, double s) {
  p.save();
  p.translate(x, y);
  p.rotate(35);
  // The glowing wake streams behind the capsule, away from the heat shield.
  QPainterPath trail;
  trail.moveTo(-s * 0.62, s * 0.3);
  trail.lineTo(-s * 0.95, -s * 3.4);
  trail.lineTo(s * 0.95, -s * 3.4);
  trail.lineTo(s * 0.62, s * 0.3);
  trail.closeSubpath();
  QLinearGradient tg(0, s * 0.3, 0, -s * 3.4);
  tg.setColorAt(0, QColor(255, 190, 90, 220));
  tg.setColorAt(1, QColor(255, 120, 40, 0));
  p.fillPath(trail, tg);
  QRadialGradient glow(0, s * 0.45, s * 0.8);
  glow.setColorAt(0, QColor(255, 240, 190, 255));
  glow.setColorAt(1, QColor(255, 150, 60, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(0, s * 0.45), s * 0.8, s * 0.4);
  QPainterPath c;
  c.moveTo(-s * 0.2, -s * 0.5);
  c.lineTo(s * 0.2, -s * 0.5);
  c.lineTo(s * 0.6, s * 0.3);
  c.quadTo(0, s * 0.55, -s * 0.6, s * 0.3);
  c.closeSubpath();
  p.fillPath(c, kInk);
  p.restore();
}

// A shell pointing right along angle `deg` (screen degrees, clockwise positive).
void Shell(QPainter& p, double x, double y, double len, double deg) {
  p.save();
  p.translate(x, y);
  p.rotate(deg);
  QPainterPath s;
  s.moveTo(len * 0.5, 0);
  s.quadTo(len * 0.2, -len * 0.2, 0, -len * 0.18);
  s.lineTo(-len * 0.5, -len * 0.16);
  s.lineTo(-len * 0.5, len * 0.16);
  s.lineTo(0, len * 0.18);
  s.quadTo(len * 0.2, len * 0.2, len * 0.5, 0);
  p.fillPath(s, kInk);
  p.restore();
}

// An airliner seen from the side, nose to the right; centre (x, y), length l.
void Airplane(QPainter& p, double x, double y, double l) {
  p.save();
  p.translate(x, y);
  QPainterPath b;
  b.moveTo(l * 0.5, 0);
  b.quadTo(l * 0.45, -l * 0.06, l * 0.35, -l * 0.06);
  b.lineTo(-l * 0.38, -l * 0.06);
  b.lineTo(-l * 0.5, -l * 0.3);
  b.lineTo(-l * 0.42, -l * 0.3);
  b.lineTo(-l * 0.28, -l * 0.06);
  b.lineTo(-l * 0.28, l * 0.03);
  b.lineTo(-l * 0.45, l * 0.03);
  b.lineTo(-l * 0.45, l * 0.02);
  b.lineTo(l * 0.4, l * 0.03);
  b.quadTo(l * 0.5, l * 0.02, l * 0.5, 0);
  p.fillPath(b, kInk);
  QPainterPath w;
  w.moveTo(l * 0.08, 0);
  w.lineTo(-l * 0.12, l * 0.2);
  w.lineTo(-l * 0.04, l * 0.2);
  w.lineTo(l * 0.2, 0);
  w.closeSubpath();
  p.fillPath(w, kInk.lighter(130));
  p.restore();
}

void DashedArc(QPainter& p, QPointF from, QPointF apex, QPointF to, QColor colour, double width) {
  QPainterPath a;
  a.moveTo(from);
  a.quadTo(QPointF(apex.x(), 2 * apex.y() - (from.y() + to.y()) / 2), to);
  QPen pen(colour, width, Qt::DashLine, Qt::RoundCap);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(a);
}

void Hills(QPainter& p, const QSize& size, int baseline, QColor colour) {
  QPainterPath h;
  const double w = size.width();
  h.moveTo(0, size.height());
  h.lineTo(0, baseline);
  h.cubicTo(w * 0.2, baseline - 14, w * 0.35, baseline + 6, w * 0.55, baseline - 8);
  h.cubicTo(w * 0.75, baseline - 20, w * 0.9, baseline, w, baseline - 6);
  h.lineTo(w, size.height());
  h.closeSubpath();
  p.fillPath(h, colour);
}

using Painter = std::function<void(QPainter&, const QSize&)>;

struct Picture {
  const char* file;
  int width, height;  // pixels
  Painter draw;
};

void DrawCapsule(QPainter& p, const QSize& s) {
  Sky(p, s, QColor(40, 60, 110), QColor(170, 200, 235));
  Ground(p, s, 8);
  Capsule(p, s.width() * 0.42, s.height() * 0.58, 30);
}

void DrawBalloon(QPainter& p, const QSize& s) {
  Sky(p, s);
  Hills(p, s, s.height() - 14, kGround);
  Balloon(p, s.width() * 0.5, s.height() * 0.33, 26, QColor(200, 70, 60));
}

void DrawRocketStrip(QPainter& p, const QSize& s) {
  Sky(p, s);
  Ground(p, s, 10);
  Rocket(p, s.width() * 0.5, 14, 12, 70, true);
}

void DrawRocket(QPainter& p, const QSize& s) {
  Sky(p, s);
  Ground(p, s, 12);
  p.fillRect(QRectF(s.width() * 0.5 + 18, 30, 5, s.height() - 42), kInk.lighter(160));
  Rocket(p, s.width() * 0.5, 12, 14, 66, true);
}

void DrawProjectile(QPainter& p, const QSize& s) {
  Sky(p, s);
  Ground(p, s, 12);
  const double g = s.height() - 12;
  DashedArc(p, QPointF(14, g), QPointF(s.width() * 0.5, 22), QPointF(s.width() - 14, g),
            kInk.lighter(170), 1.5);
  Shell(p, s.width() * 0.72, 34, 30, 22);
}

void DrawAirplane(QPainter& p, const QSize& s) {
  Sky(p, s);
  Ground(p, s, 10);
  Airplane(p, s.width() * 0.5, s.height() * 0.42, 150);
}

void DrawStartPicture(QPainter& p, const QSize& s) {
  // The language group covers the left third, so the motif sits on the right.
  Sky(p, s);
  Hills(p, s, s.height() - 18, kGround);
  const double g = s.height() - 18;
  DashedArc(p, QPointF(96, g), QPointF(176, 24), QPointF(256, g), QColor(255, 255, 255), 2);
  Rocket(p, 176, 14, 8, 40, true);
  Balloon(p, 226, 62, 11, QColor(200, 70, 60));
}

void DrawStartBackground(QPainter& p, const QSize& s) {
  // Pale and quiet: lists and their texts lie on top of it.
  Sky(p, s, QColor(226, 238, 250), QColor(252, 253, 255));
  const double g = s.height() - 46;  // the window shows the top 455 rows
  DashedArc(p, QPointF(40, g), QPointF(s.width() * 0.5, 40), QPointF(s.width() - 40, g),
            QColor(200, 215, 232), 2);
  Hills(p, s, static_cast<int>(g), QColor(214, 228, 206));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: zarv-make-pictures OUTPUT_DIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.exists() && !QDir().mkpath(out.path())) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  const Picture pictures[] = {
      // file                  width  height  painter
      {"capsule.jpg",          218,   115,    DrawCapsule},
      {"balloon.jpg",          222,   120,    DrawBalloon},
      {"rocket_strip.jpg",     58,    117,    DrawRocketStrip},
      {"rocket.jpg",           224,   115,    DrawRocket},
      {"projectile.jpg",       224,   125,    DrawProjectile},
      {"airplane.jpg",         220,   127,    DrawAirplane},
      {"start_picture.jpg",    264,   155,    DrawStartPicture},
      {"start_background.jpg", 683,   475,    DrawStartBackground},
  };
  for (const Picture& pic : pictures) {
    QImage image(pic.width, pic.height, QImage::Format_RGB32);
    {
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      pic.draw(p, image.size());
    }
    const QString path = out.filePath(QString::fromLatin1(pic.file));
    if (!image.save(path, "JPEG", 90)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
