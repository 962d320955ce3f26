// Splits a command's parameters into arguments the way a POSIX shell splits
// words: blanks separate, single quotes keep everything literally, double
// quotes keep everything but a backslash before $ ` " \ or a line break, and a
// backslash outside quotes keeps the next character. Nothing is expanded: no
// variables, no ~, no wildcards. A pure function, used by the Qt shell.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The arguments, or nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitShellWords(std::string_view text);
