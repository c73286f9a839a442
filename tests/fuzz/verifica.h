#pragma once
// What every fuzz target shares: its entry point and a check that stops the run on a broken rule.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n);

#define VERIFICA(condizione)                                                                                   \
    do {                                                                                                       \
        if (!(condizione)) {                                                                                   \
            std::fprintf(stderr, "broken rule: %s (%s:%d)\n", #condizione, __FILE__, __LINE__);                 \
            std::abort();                                                                                      \
        }                                                                                                      \
    } while (false)
