#include "fuzz/strings/StringsFuzzInput.h"
#include "tests/fuzz/CorpusReplay.h"

namespace {

TEST(StringsFuzzCorpus, EverySeedRunsCleanly) { fuzztest::ReplayCorpus("fuzz_strings", &stringsfuzz::RunInput); }

}  // namespace
