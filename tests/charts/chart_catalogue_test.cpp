#include <gtest/gtest.h>

#include <set>
#include <string>

#include "charts/chart_captions.h"
#include "charts/chart_catalogue.h"
#include "trajectory/trajectory_run.h"

namespace zarv {
namespace {

TEST(ChartCatalogue, EveryButtonDrawsCaptionedMarkedRows) {
  std::set<std::string> names;
  for (const ChartEntry& entry : ChartCatalogue()) {
    const std::string name = entry.objectName;
    EXPECT_TRUE(names.insert(name).second) << "duplicate " << name;
    EXPECT_GE(entry.curveCount, 3) << name;
    EXPECT_LE(entry.curveCount, kCurveListSize) << name;
    EXPECT_NE(AbscissaCaption(entry.curveList[0], {}, Language::German), nullptr) << name;
    for (int k = 1; k < entry.curveCount - 1; ++k) {
      const int r = entry.curveList[static_cast<std::size_t>(k)];
      EXPECT_FALSE(PositiveAxisCaption(r, {}, Language::German, k == 1).empty()) << name << " row " << r;
      EXPECT_NE(FindMarkerStyle(r), nullptr) << name << " row " << r;
    }
    EXPECT_EQ(FindChart(name), &entry);
  }
  EXPECT_EQ(names.size(), 18u);
  EXPECT_EQ(FindChart("Button99"), nullptr);
}

TEST(ChartCatalogue, ButtonListsAndDefaults) {
  struct Case {
    const char* name;
    int count;
    std::array<int, kCurveListSize> list;
  };
  for (const Case& c : {Case{"Button17", 8, {0, 3, 1, 4, 2, 9, 14}},
                        Case{"Button11", 7, {0, 3, 9, 10, 4, 1}},
                        Case{"Button15", 3, {1, 3}},
                        Case{"ButtonCya", 6, {0, 3, 23, 25, 21}}}) {
    const ChartEntry* entry = FindChart(c.name);
    ASSERT_NE(entry, nullptr) << c.name;
    EXPECT_EQ(entry->curveCount, c.count) << c.name;
    for (int k = 0; k < c.count - 1; ++k) {
      EXPECT_EQ(entry->curveList[static_cast<std::size_t>(k)], c.list[static_cast<std::size_t>(k)])
          << c.name << " entry " << k;
    }
  }
  for (const VehicleClass vehicleClass : {VehicleClass::Projectile, VehicleClass::Balloon,
                                          VehicleClass::Reentry, VehicleClass::Rocket}) {
    const ChartEntry chart = DefaultChart(vehicleClass);
    const CurveSelection engine = DefaultCurves(vehicleClass);
    EXPECT_EQ(chart.curveCount, engine.count) << "class " << static_cast<int>(vehicleClass);
    EXPECT_EQ(chart.curveList, engine.list) << "class " << static_cast<int>(vehicleClass);
  }
  EXPECT_EQ(DefaultChart(VehicleClass::Balloon).curveCount, 8);
  EXPECT_EQ(DefaultChart(VehicleClass::Rocket).curveCount, 7);
}

}  // namespace
}  // namespace zarv
