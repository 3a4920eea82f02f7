#include "charts/chart_png.h"

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include "charts/chart_catalogue.h"
#include "support/scratch_dir.h"
#include "trajectory/child_process.h"

namespace zarv {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<TrajectoryLog> RisingLog() {
  auto log = std::make_unique<TrajectoryLog>();
  for (int j = 1; j <= kSampleCapacity; ++j) {
    log->at(row::kTime, j) = j;
    log->at(row::kAltitude, j) = 10.0 * j;
    log->at(row::kVelocity, j) = 500.0 - j;
  }
  return log;
}

using testing::ScratchDir;

TEST_F(ScratchDir, ChartPictureIsWholeOrTheOldOneStays) {
  const auto log = RisingLog();
  const ChartEntry chart = DefaultChart(VehicleClass::Rocket);
  const ChartSettings settings{Language::English, VehicleClass::Rocket};
  const fs::path target = dir_ / "chart.png";

  std::string error;
  ASSERT_TRUE(WriteChartPng(*log, chart, settings, target.string(), error)) << error;
  const QImage written(QString::fromStdString(target.string()));
  EXPECT_EQ(written.width(), 700);
  EXPECT_EQ(written.height(), 500);
  const std::string whole = testing::ReadFile(target);

  // A full disk: the write fails, says so, and the picture from before stays as it was.
  const std::string said = testing::InChild([&]() -> std::string {
    testing::LimitFileSize(2000);
    std::string reason;
    if (WriteChartPng(*log, chart, settings, target.string(), reason)) return "reported success";
    return reason.empty() ? "no reason given" : "";
  });
  EXPECT_EQ(said, "");
  EXPECT_TRUE(testing::ReadFile(target) == whole) << "the previous picture was cut";
  std::set<std::string> left;
  for (const auto& e : fs::directory_iterator(dir_)) left.insert(e.path().filename().string());
  EXPECT_EQ(left, std::set<std::string>{"chart.png"}) << "something was left beside the picture";
}

}  // namespace
}  // namespace zarv
