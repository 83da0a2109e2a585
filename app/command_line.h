#pragma once

#include <optional>
#include <ostream>

// The two questions the program answers without a window or a display:
// "tibalou --version" and "tibalou --help". Returns the exit status when the
// first argument was one of them; nothing otherwise, the arguments then being
// Qt's to read as they always were.
std::optional<int> answer_command_line(int argc, char** argv, std::ostream& out);
