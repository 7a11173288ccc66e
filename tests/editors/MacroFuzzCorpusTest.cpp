#include "fuzz/macro/MacroFuzzInput.h"
#include "tests/fuzz/CorpusReplay.h"

namespace {

TEST(MacroFuzzCorpus, EverySeedRunsCleanly) { fuzztest::ReplayCorpus("fuzz_macro", &macrofuzz::RunInput); }

}  // namespace
