// A libFuzzer target: FUZZ_ENTRY names the entry point of FuzzEntries.h it runs.
#include "FuzzEntries.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString problem = Sardek::Fuzz::FUZZ_ENTRY(data, size);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
