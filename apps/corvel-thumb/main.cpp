// SPDX-License-Identifier: MIT
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/file_write.h"
#include "thumb_run.h"

// Standard C++ and libjpeg only: loading a toolkit would cost more than making a thumbnail.
int main(int argc, char** argv) {
    // An interrupt leaves no temporary file behind, and still ends the program as it does.
    engine::removeTemporaryFilesOnSignals();
    const std::vector<std::string> arguments(argv, argv + argc);
    const bool terminal = isatty(fileno(stderr)) != 0;
    return thumb::runCommand(arguments, {std::cout, std::cerr, terminal});
}
