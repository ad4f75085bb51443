// SPDX-License-Identifier: MIT
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "thumb_run.h"

// Standard C++ and libjpeg only: loading a toolkit would cost more than making a thumbnail.
int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    const bool terminal = isatty(fileno(stderr)) != 0;
    return thumb::runCommand(arguments, {std::cout, std::cerr, terminal});
}
