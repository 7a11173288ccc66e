#include "fuzz/profile/ProfileFuzzInput.h"
#include "tests/fuzz/CorpusReplay.h"

namespace {

TEST(ProfileFuzzCorpus, EverySeedRunsCleanly) { fuzztest::ReplayCorpus("fuzz_profile", &profilefuzz::RunInput); }

}  // namespace
