#include "convert_command.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return pelmark::cli::runConvertCommand(args, std::cin, std::cout, std::cerr);
}
