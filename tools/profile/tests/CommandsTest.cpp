#include "tools/profile/Commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include "tools/profile/ProfileFiles.h"
#include "tools/profile/tests/GeneratedProfiles.h"

namespace profiletool {
namespace {

namespace fs = std::filesystem;
using namespace profiletool::testing;

struct Ran {
  int code;
  std::string out, err;
};

class Commands : public ::testing::Test {
 public:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("trelm-commands-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir / "out");
    auto profile = NewProfile();
    store::WriteSimpleKind(profile->keys[0][9], 39);
    Put("a.prof", Bytes(*profile));
    store::WriteSimpleKind(profile->keys[0][9], 37);
    Put("b.prof", Bytes(*profile));
  }
  void TearDown() override { fs::remove_all(dir); }

  static std::string Bytes(const store::ProfileRecord& profile) {
    return std::string(reinterpret_cast<const char*>(&profile), store::kProfileSize);
  }
  std::string P(const std::string& name) const { return PathText(dir / name); }
  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string Get(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // The command line, with "@name" standing for a file in the test's folder.
  Ran Run(std::vector<std::string> args, const std::string& input = {}, std::ostream* out = nullptr) const {
    for (auto& arg : args)
      if (arg.starts_with("@")) arg = P(arg.substr(1));
    std::istringstream in(input);
    std::ostringstream captured, err;
    Console console{in, out ? *out : captured, err, dir};
    const int code = RunTool(args, console);
    return {code, captured.str(), err.str()};
  }

  fs::path dir;
};

struct Case {
  std::vector<std::string> args;
  int code;
  const char* err;  // a part of the messages; empty: no message
  std::function<bool(const Commands&)> after = nullptr;
  bool needsLinks = false;  // symbolic links, which Wine does not make
};

TEST_F(Commands, WritesGoOnlyWhereTheyShouldAndRefusalsSayWhy) {
  fs::create_directories(dir / "sub");
  Put("sub/a.prof", Get("a.prof"));
  std::error_code noLinks;
  fs::create_symlink("target.json", dir / "link.json", noLinks);
  if (!noLinks) fs::create_symlink("a.prof", dir / "input-link.json", noLinks);
  ASSERT_EQ(Run({"to-json", "@a.prof", "-o", "@a.json"}).code, 0);
  const auto unchanged = [](const char* name, std::string bytes) {
    return [name, bytes](const Commands& t) { return t.Get(name) == bytes; };
  };
  const Case cases[] = {
      {{"to-json", "@a.prof", "-o", "@out"}, 2, "out: is a folder; to write into it, end its name with /",
       [](const Commands& t) { return fs::is_empty(t.dir / "out"); }},
      {{"to-json", "@a.prof", "-o", "@a.prof", "--force"}, 2, "is the input", unchanged("a.prof", Get("a.prof"))},
      {{"to-json", "@a.prof", "-o", "@input-link.json"}, 2, "is the input", unchanged("a.prof", Get("a.prof")), true},
      {{"to-json", "@a.prof", "-o", "@x.prof"}, 2, "a name ending in .prof is for profile files, and to-json writes JSON",
       [](const Commands& t) { return !fs::exists(t.dir / "x.prof"); }},
      {{"from-json", "@a.json", "-o", "@y.json"}, 2, "a name ending in .json is for JSON"},
      {{"to-json", "@a.prof", "-o", "@x.prof", "--force"}, 0, "",
       [](const Commands& t) { return t.Get("x.prof").starts_with("{"); }},
      {{"to-json", "@a.prof", "-o", "@link.json"}, 0, "",
       [](const Commands& t) { return fs::is_symlink(t.dir / "link.json") && t.Get("target.json") == t.Get("a.json"); },
       true},
      {{"to-json", "@a.prof", "@b.prof", "-o", "@out"}, 0, "",
       [](const Commands& t) { return fs::exists(t.dir / "out/a.json") && fs::exists(t.dir / "out/b.json"); }},
      {{"from-json", "@a.json", "-o", "@out/"}, 0, "", unchanged("out/a.prof", Get("a.prof"))},
      {{"to-json", "@a.prof", "@b.prof"}, 2, "several files cannot all go to standard output"},
      {{"to-json", "@a.prof", "@sub/a.prof", "-o", "@out/"}, 2, "would both be written as"},
      {{"to-json", "@a.prof", "-o", "@a.prof/x.json"}, 2, "x.json: cannot be written: "},
      {{"to-json", "-", "-"}, 2, "standard input (-) can be read only once"},
      {{"from-json", "@a.json", "--variant", "1", "-o", "@y.prof"}, 2, "from-json takes no --variant"},
      {{"to-json", "@a.prof", "--layer", "1"}, 2, "to-json takes no --layer"},
      {{"diff", "@a.prof", "@b.prof", "--strings", "@missing.xml"}, 2, "missing.xml: cannot be read"},
      {{"from-json", "@a.prof", "-o", "@y.prof"}, 1, "a.prof: is a profile file, not JSON"},
      {{"sheet", "@a.prof", "--layer", "4", "-o", "@a.html"}, 2, "sheet needs --layer 1, 2, 3 or all"},
  };
  for (const Case& c : cases) {
    if (c.needsLinks && noLinks) continue;
    const Ran ran = Run(c.args);
    std::string line;
    for (const auto& arg : c.args) line += arg + " ";
    EXPECT_EQ(ran.code, c.code) << line << "\n" << ran.err;
    if (*c.err) {
      EXPECT_NE(ran.err.find(c.err), std::string::npos) << line << "\n" << ran.err;
    } else {
      EXPECT_EQ(ran.err, "") << line;
    }
    if (c.after) {
      EXPECT_TRUE(c.after(*this)) << line;
    }
  }
  for (const auto& entry : fs::recursive_directory_iterator(dir))  // no half-written file is left behind
    EXPECT_NE(entry.path().extension(), ".part") << PathText(entry.path());
}

TEST_F(Commands, StandardInputAndOutputStandForFiles) {
  const Ran json = Run({"to-json", "-"}, Get("a.prof"));
  ASSERT_EQ(json.code, 0) << json.err;
  EXPECT_NE(json.out.find("\"label\": \"Mute\""), std::string::npos);
  const Ran back = Run({"from-json", "-", "-o", "-"}, json.out);
  EXPECT_EQ(back.code, 0) << back.err;
  EXPECT_EQ(back.out, Get("a.prof"));
  EXPECT_EQ(Run({"check", "-"}, json.out).code, 0);
  // A stream that refuses every byte, as a full disk does.
  std::ostringstream full;
  full.setstate(std::ios::badbit);
  const Ran failed = Run({"to-json", "@a.prof"}, {}, &full);
  EXPECT_EQ(failed.code, 2);
  EXPECT_NE(failed.err.find("standard output: cannot be written"), std::string::npos) << failed.err;
}

TEST_F(Commands, ADamagedProfileTravelsOnlyWithForceAndThenByteForByte) {
  const auto damaged = RandomProfile(3);
  Put("damaged.prof", Bytes(*damaged));
  const Ran refused = Run({"to-json", "@damaged.prof", "-o", "@damaged.json"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("damaged.prof: the layer shown"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("its JSON is written only with --force"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "damaged.json"));
  ASSERT_EQ(Run({"to-json", "@damaged.prof", "-o", "@damaged.json", "--force"}).code, 0);
  EXPECT_EQ(Run({"from-json", "@damaged.json", "-o", "@back.prof"}).code, 1);
  EXPECT_FALSE(fs::exists(dir / "back.prof"));
  ASSERT_EQ(Run({"from-json", "@damaged.json", "-o", "@back.prof", "--force"}).code, 0);
  EXPECT_EQ(Get("back.prof"), Get("damaged.prof"));

  // A launch path of 260 characters would be stored without its end: refused, with the real limit.
  Put("long.json", R"({"layers":[{"keys":[{"key":"F5","function":"APP","launch":{"path":")" + std::string(260, 'p') + "\"}}]}]}");
  const Ran tooLong = Run({"from-json", "@long.json", "-o", "@long.prof"});
  EXPECT_EQ(tooLong.code, 1);
  EXPECT_NE(tooLong.err.find("the program path has 260 characters and no end; at most 259 fit"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "long.prof"));
}

TEST_F(Commands, CheckNamesTheFileOfEveryProblemAndFailsOnlyOnFaults) {
  auto odd = NewProfile();
  store::WriteSingleKey(odd->keys[0][5], 0);  // a warning only
  Put("odd.prof", Bytes(*odd));
  Put("short.prof", "{}");
  const Ran warned = Run({"check", "@a.prof", "@odd.prof"});
  EXPECT_EQ(warned.code, 0);
  EXPECT_EQ(warned.out, P("odd.prof") + ": warning: layer 1, key F5: the single key sends no key (its code is 0)\n");
  const Ran faulted = Run({"check", "@odd.prof", "@short.prof", "@missing.prof"});
  EXPECT_EQ(faulted.code, 2);
  EXPECT_NE(faulted.out.find(P("short.prof") + ": the file has 2 bytes; a profile file has 526420 (it holds JSON"),
            std::string::npos)
      << faulted.out;
  EXPECT_NE(faulted.err.find(P("missing.prof") + ": cannot be read"), std::string::npos);
}

TEST_F(Commands, HelpVersionAndTheListsOfWhatMayBeWritten) {
  EXPECT_NE(Run({"help", "from-json"}).out.find("usage: trelm-profile from-json"), std::string::npos);
  EXPECT_NE(Run({"sheet", "--help"}).out.find("--layer all"), std::string::npos);
  EXPECT_EQ(Run({"--version"}).out.rfind("trelm-profile ", 0), 0u);
  EXPECT_NE(Run({"list-keys", "--variant", "1"}).out.find("IntlBackslash"), std::string::npos);
  const Ran functions = Run({"list-functions", "--strings", TRELM_DATA_DIR "/lang/de/Strings.xml"});
  EXPECT_NE(functions.out.find("Stumm"), std::string::npos) << functions.err;
  EXPECT_EQ(Run({"list-keys", "@a.prof"}).code, 2);
}

#ifndef _WIN32
// Never the machine's own devices: a pipe and device nodes made in the test's folder.
TEST_F(Commands, PipesAndDevicesAreWrittenDirectlyAndStayWhatTheyAre) {
  ASSERT_EQ(Run({"to-json", "@a.prof", "-o", "@a.json"}).code, 0);
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  std::string piped;
  std::thread reader([&] {
    std::ifstream in(dir / "pipe", std::ios::binary);
    piped.assign(std::istreambuf_iterator<char>(in), {});
  });
  const Ran toPipe = Run({"to-json", "@a.prof", "-o", "@pipe"});
  reader.join();
  EXPECT_EQ(toPipe.code, 0) << toPipe.err;
  EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
  EXPECT_NE(piped.find("\"MUTE\""), std::string::npos);
  if (geteuid() != 0) GTEST_SKIP() << "device nodes need root";
  ASSERT_EQ(mknod((dir / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);  // as /dev/full
  ASSERT_EQ(mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);  // as /dev/null
  const Ran toFull = Run({"from-json", "@a.json", "-o", "@full"});
  EXPECT_EQ(toFull.code, 2);
  EXPECT_NE(toFull.err.find("full: cannot be written: No space left on device"), std::string::npos) << toFull.err;
  EXPECT_EQ(Run({"to-json", "@a.prof", "-o", "@null"}).code, 0);
  for (const char* device : {"full", "null"}) EXPECT_TRUE(fs::is_character_file(dir / device)) << device;
}
#endif

}  // namespace
}  // namespace profiletool
