#pragma once

#include <string>

namespace zarv {

// The shortest text that reads back as the same double, '.' as separator.
std::string ShortestText(double value);
void AppendShortest(std::string& out, double value);

}  // namespace zarv
