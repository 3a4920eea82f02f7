#pragma once

#include <string>
#include <vector>

namespace zarv {

// Rows of cells (UTF-8) as aligned columns, two blanks apart: the first column left-aligned,
// the others right-aligned, widths counted in characters. The first row is the heading.
std::string FormatTextTable(const std::vector<std::vector<std::string>>& rows);

}  // namespace zarv
