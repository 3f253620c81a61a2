#pragma once
// Reading a text as a number, as the directory switches are read.
#include <string_view>

namespace tv {

// Full-width ASCII forms (GBK A3A1..A3FE) become their ASCII counterparts and the ideographic
// space (A1A1) a space; then leading white space is skipped and the longest prefix of the form
//   [+-] digits [. digits] [(e|E) [+-] digits]   (at least one digit before or after the point)
// is the value. A text that does not begin with such a number reads as 0. Values beyond the
// range of a double read as plus or minus infinity.
double read_number(std::string_view gbk_text);

} // namespace tv
