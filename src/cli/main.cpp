#include "cli/cli.h"

#include <iostream>

#ifdef _WIN32
#include "platform/native_file.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

// Windows hands the arguments over as UTF-16; the core takes Windows-1252
// bytes, whatever the system's ANSI code page is.
int wmain(int argc, wchar_t** argv)
{
    // Printed fields keep their bytes: no LF becomes CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        auto bytes = orvanta::native::windows1252FromWide(argv[i]);
        if (!bytes) {
            std::cerr << "orvanta-cli: argument " << i << " holds a character that Windows-1252 has not\n";
            return 2;
        }
        args.push_back(std::move(*bytes));
    }
    return orvanta::cli::run(args, std::cout, std::cerr);
}

#else

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return orvanta::cli::run(args, std::cout, std::cerr);
}

#endif
