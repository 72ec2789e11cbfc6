#include "convert_command.h"

#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    // Nothing may end the converter with an abort: what escapes is told and exits as an input
    // error, with whatever was written so far flushed.
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        return pelmark::cli::runConvertCommand(args, std::cin, std::cout, std::cerr);
    } catch (const std::bad_alloc &) {
        std::cerr << "pelmark-convert: недостаточно памяти\n";
    } catch (const std::exception &error) {
        std::cerr << "pelmark-convert: " << error.what() << '\n';
    }
    return pelmark::cli::kExitUsage;
}
