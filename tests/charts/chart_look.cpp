// Draws the pictures to look at after a chart change into one folder:
//   zarv-chart-look OUTPUT_DIR
#include <cstdio>
#include <memory>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include "charts/chart_catalogue.h"
#include "charts/chart_frame.h"
#include "charts/chart_readout.h"
#include "charts/chart_view.h"
#include "scenario/presets.h"
#include "scenario/scenario_inputs.h"
#include "trajectory/number_format.h"
#include "trajectory/trajectory_run.h"
#include "support/record_codes.h"

namespace {

using namespace zarv;

std::unique_ptr<TrajectoryLog> RunPreset(int vehicleClass, int item, double dt0 = 0.0) {
  Scenario record;
  ApplyPreset(record, vehicleClass, item);
  RunInputs inputs = InputsFromScenario(record);
  if (dt0 > 0.0) inputs.dt0 = dt0;
  auto log = std::make_unique<TrajectoryLog>();
  TrajectoryRun run;
  if (run.Run(inputs, VehicleClass{vehicleClass}, *log)) std::fprintf(stderr, "run %d/%d rejected\n", vehicleClass, item);
  return log;
}

ChartView CatalogueView(const TrajectoryLog& log, const char* button, int language, double vehicleClass) {
  const ChartEntry* chart = FindChart(button);
  ChartSettings settings;
  settings.windowLanguage = static_cast<Language>(language);
  settings.vehicleClass = VehicleClassFromRecord(vehicleClass);
  return PlainView(log, chart->curveList, chart->curveCount, kSampleCapacity, settings);
}

bool Save(const QImage& picture, const QString& dir, const char* name) {
  const QString path = dir + "/" + name;
  if (!picture.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: zarv-chart-look OUTPUT_DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(dir);
  bool ok = true;
  QImage picture;

  // Three V-2 runs, the finest step current.
  auto v2 = RunPreset(vc::Rocket, 0, 0.001);
  const std::vector<KeptRun> kept{
      KeepRun(*RunPreset(vc::Rocket, 0, 0.01), "Launcher V-2, dt0 = 0.01", VehicleClass::Rocket),
      KeepRun(*RunPreset(vc::Rocket, 0, 0.005), "Launcher V-2, dt0 = 0.005", VehicleClass::Rocket)};
  for (const char* button : {"Button10", "ButtonP"}) {
    ChartView view = CatalogueView(*v2, button, 3, vc::Rocket);
    view.label = "Launcher V-2, dt0 = 0.001";
    view.kept = kept;
    DrawChart(view, picture);
    ok &= Save(picture, dir, button[6] == 'P' ? "overlay_v2_buttonP.png" : "overlay_v2.png");
  }

  // Six kept runs under the seven-row chart, in German: the legend has to look for room.
  std::vector<KeptRun> six;
  for (double dt0 : {0.02, 0.015, 0.008, 0.005, 0.003, 0.002}) {
    six.push_back(KeepRun(*RunPreset(vc::Rocket, 0, dt0), "Launcher V-2, dt0 = " + FormatGeneral(dt0),
                          VehicleClass::Rocket));
  }
  auto v2Again = RunPreset(vc::Rocket, 0);
  ChartView crowded = CatalogueView(*v2Again, "ButtonP", 2, vc::Rocket);
  crowded.label = "Launcher V-2";
  crowded.kept = six;
  DrawChart(crowded, picture);
  ok &= Save(picture, dir, "overlay_v2_six_kept_de.png");

  // The balloon's default chart in Russian with the readout over it.
  auto balloon = RunPreset(vc::Balloon, 0);
  const ChartEntry defaults = DefaultChart(VehicleClass::Balloon);
  ChartSettings russian;
  russian.windowLanguage = Language::Russian;
  russian.vehicleClass = VehicleClass::Balloon;
  const ChartView balloonView = PlainView(*balloon, defaults.curveList, defaults.curveCount, kSampleCapacity, russian);
  DrawChart(balloonView, picture);
  {
    QPainter painter(&picture);
    PaintReadout(painter, ReadChart(balloonView, 470), QLocale(QLocale::Russian));
  }
  ok &= Save(picture, dir, "readout_balloon_ru.png");

  // Re-entry zoomed into the braking.
  auto vostok = RunPreset(vc::Reentry, 0);
  ChartView zoomed = CatalogueView(*vostok, "Button17", 3, vc::Reentry);
  zoomed.zoom = AbscissaRange{80.0, 140.0};
  DrawChart(zoomed, picture);
  ok &= Save(picture, dir, "reentry_zoom.png");

  DrawChart(CatalogueView(*vostok, "Button15", 3, vc::Reentry), picture);
  ok &= Save(picture, dir, "vostok_v_of_h.png");

  const char* languages[] = {"", "button17_ru.png", "button17_de.png", "button17_en.png"};
  for (int language = 1; language <= 3; ++language) {
    DrawChart(CatalogueView(*vostok, "Button17", language, vc::Reentry), picture);
    ok &= Save(picture, dir, languages[language]);
  }
  return ok ? 0 : 1;
}
