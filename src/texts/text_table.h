#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zarv {

// Rows of cells (UTF-8) as aligned columns, two blanks apart: the first column left-aligned,
// the others right-aligned, widths counted in characters. The first row is the heading.
std::string FormatTextTable(const std::vector<std::vector<std::string>>& rows);

// A paragraph broken at blanks into lines of at most `width` characters (a longer word
// keeps a line of its own), each ending in a newline.
std::string WrapParagraph(const std::string& paragraph, std::size_t width);

}  // namespace zarv
