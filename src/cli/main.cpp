#include "cli/cli.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>

// Windows hands the arguments over as UTF-16, which the paths keep.
int wmain(int argc, wchar_t** argv)
{
    // Printed fields keep their bytes: no LF becomes CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return orvanta::cli::run({argv + 1, argv + argc}, std::cout, std::cerr);
}

#else

int main(int argc, char** argv) { return orvanta::cli::run({argv + 1, argv + argc}, std::cout, std::cerr); }

#endif
