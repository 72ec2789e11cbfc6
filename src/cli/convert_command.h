#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pelmark::cli {

enum ExitStatus : int {
    kExitOk = 0,       // laid out, or left unchanged for having more than 100 lines
    kExitRejected = 1, // a line is wider than the model allows
    kExitUsage = 2,    // bad arguments, unknown model, unreadable input or unwritable output
};

// The whole command-line converter: parses `args` (without the program name), reads the cliche,
// runs the conversion and writes the listing. Streams are binary-safe: bytes go out as they are.
int runConvertCommand(const std::vector<std::string> &args, std::istream &in, std::ostream &out,
                      std::ostream &err);

} // namespace pelmark::cli
