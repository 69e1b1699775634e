// The script compiler and the DAT listing on any bytes. The first byte picks
// the file the rest stands for: even, Script.txt (with the stock English.txt);
// odd, English.txt (with the stock Script.txt). The compiler must either
// report an error or build DATs that the game reads whole: every command of
// every block before its Level or Title opcode, nothing after it. The
// listing must also take the raw bytes as a DAT.
#include "compiler/dat_build.h"
#include "compiler/dat_dump.h"
#include "compiler/language_dat.h"
#include "compiler/script_dat.h"
#include "resources/stock_texts.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvanta;
    if (size == 0)
        return 0;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool scriptInput = data[0] % 2 == 0;
    const SourceFile script{"Script.txt", scriptInput ? std::string_view(input) : resources::stockScript()};
    const SourceFile english{"English.txt", scriptInput ? resources::stockEnglish() : std::string_view(input)};
    const DatBuild compiled =
        buildDats(script, [&english](std::string_view) { return std::optional<SourceFile>(english); });
    if ((hasErrors(compiled.problems) || compiled.trngLine > 0) != compiled.dats.empty())
        std::abort();
    for (const DatFile& dat : compiled.dats) {
        if (isLanguageDat(dat.bytes) != (dat.name != "SCRIPT.DAT"))
            std::abort();
    }
    if (!compiled.dats.empty() && !readScriptDat(compiled.dats.front().bytes).readWhole())
        std::abort();
    (void)dumpDat(input, input);
    return 0;
}
