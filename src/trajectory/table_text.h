#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarv {

// The lines of a table file: numbered from 1, the line end ('\n', '\r\n') and a leading
// byte order mark left out, the last line also without a line end.
struct TextLine {
  int number = 0;
  std::string_view text;
};
std::vector<TextLine> SplitLines(std::string_view text);

// Blank lines and lines starting with '#' hold no values.
bool IsCommentOrBlank(std::string_view line);

// The separator a heading uses: ';' or a tab where it has one (the decimal comma's
// spreadsheets), ',' otherwise.
char FieldSeparator(std::string_view heading);

// The fields of a line, blanks around each left out.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

// The field as a finite number: '.' as decimal point, or ',' where the separator is not
// ','; a leading '+' is allowed. False for anything else, empty included.
bool ReadTableNumber(std::string_view field, char separator, double& value);

}  // namespace zarv
