// Import on any bytes. The first byte picks what the rest stands for: 0,
// Script.txt (with the stock English.txt); 1, English.txt (with the stock
// Script.txt); 2, a SCRIPT.DAT (with no language DAT). Import either gives
// nothing or a project, and whatever it imports is written out and checked
// as any project is.
#include "importer/dat_decode.h"
#include "importer/source_import.h"
#include "pipeline/game_build.h"
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
    std::string script(data[0] % 3 == 1 ? resources::stockScript() : std::string_view(input));
    std::string english(data[0] % 3 == 1 ? std::string_view(input) : resources::stockEnglish());
    if (data[0] % 3 == 2) {
        std::string fault;
        std::optional<DecodedGame> decoded = decodeDats(input, {}, fault);
        if (!decoded && fault.empty())
            std::abort();  // a refusal says why
        if (!decoded)
            return 0;
        script = std::move(decoded->script);
        english = std::move(decoded->language);
    }
    const std::optional<ImportedGame> game =
        importSources({{"Script.txt", script, 0}, SourceFile{"English.txt", english, 1}, {}, {}});
    if (game)
        (void)buildGameFiles(game->project);
    return 0;
}
