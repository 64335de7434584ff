#pragma once

#include <optional>
#include <ostream>

namespace zephrane {

// "--help" and "--version" are answered on `out` without a window; the
// result is then the program's exit status. Every other argument is left to
// the toolkit (nullopt).
std::optional<int> AnswerCommandLine(int argc, char** argv, std::ostream& out);

}  // namespace zephrane
