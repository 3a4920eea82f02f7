// The file names of saved results.
#include <QString>

#include <gtest/gtest.h>

#include "haupt/results_files.h"

namespace zarv {
namespace {

TEST(ResultsFiles, SaveDialogNamesGetTheChosenFiltersExtension) {
  struct Case {
    const char* typed;
    const char* filter;
    const char* path;
  };
  const Case cases[] = {
      {"out/chart", "SVG drawing (*.svg)", "out/chart.svg"},
      {"chart.pdf", "PNG picture (*.png)", "chart.pdf"},
      {"", "PNG picture (*.png)", ""},  // cancelled
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithFilterSuffix(QString::fromLatin1(c.typed), QString::fromLatin1(c.filter)).toStdString(),
              c.path)
        << "typed \"" << c.typed << "\" with " << c.filter;
  }
}

}  // namespace
}  // namespace zarv
