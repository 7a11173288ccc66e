// Load + parse throughput of CXmlReader beside pugixml on the same bytes, for a large generated
// document and one the size of a language file, with the ratio of the two.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include <pugixml.hpp>

#include "bench/Harness.h"
#include "strings/XmlReader.h"

namespace {

// A language file's shape: sections of keys with short texts, some entities, comments and non-ASCII
// characters, indented with CR LF.
std::string GenerateDocument(int sections, int keysPerSection) {
  std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Strings>\r\n";
  for (int s = 0; s < sections; ++s) {
    doc += "  <!-- section " + std::to_string(s) + " -->\r\n  <SECTION" + std::to_string(s) + " kind=\"window\">\r\n";
    for (int k = 0; k < keysPerSection; ++k) {
      const std::string key = "KEY_" + std::to_string(k);
      doc += "    <" + key + ">";
      switch (k % 4) {
        case 0: doc += "Save the current profile"; break;
        case 1: doc += "Copy &amp; paste"; break;
        case 2: doc += "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC 5"; break;
        default: doc += "Press &lt;Shift&gt; + Esc to stop recording the macro"; break;
      }
      doc += "</" + key + ">\r\n";
    }
    doc += "  </SECTION" + std::to_string(s) + ">\r\n";
  }
  doc += "</Strings>\r\n";
  return doc;
}

// The two parsers take turns, several rounds each, and each keeps its best median: on a shared
// machine that is steadier than one long run of each. `batch` parses make one timed repetition.
void Compare(const char* name, const std::string& bytes, int repetitions, int batch) {
  const double megabytes = static_cast<double>(bytes.size()) * batch / (1024.0 * 1024.0);
  bool wellFormed = true, pugiOk = true;
  bench::Timing ours{1e300, 1e300}, pugi{1e300, 1e300};
  const auto keepBest = [](bench::Timing& best, const bench::Timing& t) {
    best.medianMs = std::min(best.medianMs, t.medianMs);
    best.bestMs = std::min(best.bestMs, t.bestMs);
  };
  for (int round = 0; round < 5; ++round) {
    keepBest(ours, bench::Measure(repetitions, [&] {
      for (int i = 0; i < batch; ++i) {
        strings::CXmlReader xml;
        xml.LoadDocumentBytes(bytes);
        wellFormed = xml.ParseDocument() && wellFormed;
      }
    }));
    keepBest(pugi, bench::Measure(repetitions, [&] {
      for (int i = 0; i < batch; ++i) {
        pugi::xml_document doc;
        pugiOk = doc.load_buffer(bytes.data(), bytes.size()) && pugiOk;
      }
    }));
  }
  if (!wellFormed || !pugiOk) std::printf("%s: a parser rejected the document\n", name);

  char extra[160];
  const double oursRate = megabytes / (ours.medianMs / 1000.0);
  const double pugiRate = megabytes / (pugi.medianMs / 1000.0);
  std::snprintf(extra, sizeof extra, "%8.1f MB/s", oursRate);
  bench::Report(std::string("xml: CXmlReader load+parse, ") + name, ours, extra);
  std::snprintf(extra, sizeof extra, "%8.1f MB/s", pugiRate);
  bench::Report(std::string("xml: pugixml load_buffer (baseline), ") + name, pugi, extra);
  std::printf("xml: %s (%.0f KB): CXmlReader / pugixml throughput ratio %.2f\n", name, bytes.size() / 1024.0,
              oursRate / pugiRate);
}

}  // namespace

int main() {
  Compare("large document", GenerateDocument(2000, 60), 5, 1);
  Compare("language-file size", GenerateDocument(7, 19), 101, 50);
  std::ifstream shipped(TRELM_SHIPPED_STRINGS, std::ios::binary);
  const std::string shippedBytes((std::istreambuf_iterator<char>(shipped)), std::istreambuf_iterator<char>());
  if (!shippedBytes.empty()) Compare("the shipped Strings.xml", shippedBytes, 101, 50);

  // What one string lookup costs: the whole file read and parsed, then two steps down.
  const std::string file = GenerateDocument(7, 19);
  const bench::Timing lookup = bench::Measure(2001, [&] {
    strings::CXmlReader xml;
    xml.LoadDocumentBytes(file);
    if (xml.ParseDocument() && xml.FindChild(u"SECTION6") && xml.EnterChild() && xml.FindChild(u"KEY_18"))
      (void)xml.ChildText();
  });
  bench::Report("xml: one lookup in a language-file-sized document", lookup);
  return 0;
}
