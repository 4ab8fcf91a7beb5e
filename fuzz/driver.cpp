// libFuzzer driver of one fuzz target, named by KELTO_FUZZ_TARGET when it is compiled.
#include "fuzz/entries/fuzzentries.h"
#include <cstdio>
#include <cstdlib>

namespace {
const fuzzing::Target* target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    target = fuzzing::findTarget(KELTO_FUZZ_TARGET);
    if (!target) {
        std::fprintf(stderr, "no fuzz target named %s\n", KELTO_FUZZ_TARGET);
        std::abort();
    }
    fuzzing::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    target->run(data, size);
    return 0;
}
