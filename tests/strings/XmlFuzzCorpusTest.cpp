#include "fuzz/xml/XmlFuzzInput.h"
#include "tests/fuzz/CorpusReplay.h"

namespace {

TEST(XmlFuzzCorpus, EverySeedRunsCleanly) { fuzztest::ReplayCorpus("fuzz_xml", &xmlfuzz::RunInput); }

}  // namespace
