#include "tools/profile/ProfileJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstring>

#include "tools/profile/tests/GeneratedProfiles.h"

namespace profiletool {
namespace {

using Json = nlohmann::json;
using namespace profiletool::testing;

bool SameBytes(const store::ProfileRecord& a, const store::ProfileRecord& b) {
  return std::memcmp(&a, &b, store::kProfileSize) == 0;
}

// from-json of to-json gives the same bytes, and the document it gives is the same document.
void ExpectRoundTrip(const store::ProfileRecord& profile, int variant) {
  const std::string json = ProfileToJson(profile, variant);
  auto back = NewProfile();
  int readVariant = -1;
  const JsonResult result = ProfileFromJson(json, *back, &readVariant);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(readVariant, variant);
  ASSERT_TRUE(SameBytes(profile, *back)) << "variant " << variant;
  EXPECT_EQ(ProfileToJson(*back, variant), json);
}

TEST(ProfileJsonRoundTrip, EveryFunctionKindFullMacrosAndTextsBeyondAscii) {
  for (unsigned seed : {0u, 1u, 2u, 77u})
    for (int variant = 0; variant < 3; ++variant) ExpectRoundTrip(*EveryKindProfile(seed), variant);
}

TEST(ProfileJsonRoundTrip, RandomBytesEverywhere) {
  for (unsigned seed = 1; seed <= 6; ++seed) ExpectRoundTrip(*RandomProfile(seed), static_cast<int>(seed % 3));
}

TEST(ProfileJsonRoundTrip, RecordsNoFieldExplainsWhole) {
  const auto profile = NewProfile();
  auto& keys = profile->keys[0];
  keys[0].bytes[700] = 5;                                 // kind 0 with a stray byte
  store::WriteSingleKey(keys[1], 0x2B);                   // "Enter", like 0x0D
  store::WriteMacro(keys[2], keys[2]);
  keys[2].macro.EventCount = 300;                         // damaged count
  keys[2].macro.Events[255] = {0x41, 2};                  // neither press nor release
  store::WriteLaunchProgram(keys[3], std::u16string(300, u'p'), u"x");  // cut, terminated
  std::fill(std::begin(keys[4].launch.ProgramPath), std::end(keys[4].launch.ProgramPath), u'q');
  keys[4].FunctionKind = store::kind::kLaunchProgram;     // no terminator at all
  keys[5].launch.ShortcutName[0] = 0xD800;                // a lone surrogate
  keys[5].FunctionKind = store::kind::kLaunchProgram;
  profile->Name[0] = 0xDC00;
  profile->Exe[200] = u'z';                               // after the terminator
  store::WriteProfileSwitch(keys[6], -1, 7, 2);
  keys[7].macro.DelayMode = 9;
  keys[7].macro.RepeatCountIndex = std::numeric_limits<std::int32_t>::max();
  keys[7].FunctionKind = store::kind::kMacro;
  profile->Keymap = 0xFFFFFFFF;
  profile->AutoSwitch = 7;
  for (int variant = 0; variant < 3; ++variant) ExpectRoundTrip(*profile, variant);
}

TEST(ProfileJson, KeysReadAsTheProgramNamesThem) {
  const auto profile = NewProfile();
  SetName(*profile, u"Raid \u00FC", u"game.exe");
  profile->Keymap = 1;
  store::WriteSimpleKind(profile->keys[1][5], 39);
  store::WriteSingleKey(profile->keys[0][6], 0x41);
  store::WriteSingleKey(profile->keys[0][8], 0x2B);
  store::WriteLaunchProgram(profile->keys[0][7], u"C:\\old.exe", u"Old");
  store::KeyRecord copy = profile->keys[0][7];
  copy.macro.DelayMode = 1;
  copy.macro.EventCount = 3;
  copy.macro.Events[0] = {0x41, 0};
  copy.macro.Events[1] = {0xFF, 2};
  copy.macro.Events[2] = {0x01, 1};
  store::WriteMacro(profile->keys[0][7], copy);
  store::WriteProfileSwitch(profile->keys[2][51], 2, 1, 1);

  const Json json = Json::parse(ProfileToJson(*profile, 0));
  EXPECT_EQ(json["name"], "Raid \u00FC");
  EXPECT_EQ(json["layerShown"], 2);
  EXPECT_EQ(json["layers"][1]["keys"][0], Json::parse(R"({"slot":5,"key":"F5","kind":39,"function":"MUTE","label":"Mute"})"));
  const Json& layer1 = json["layers"][0]["keys"];
  EXPECT_EQ(layer1[0]["sends"], "A");
  EXPECT_FALSE(layer1[0].contains("keyCode"));
  EXPECT_EQ(layer1[1]["macro"], Json::parse(R"({"pauses":"record","repeat":"count","repeatCount":1,"interval":"off",
      "intervalLength":"200ms","events":["A Press","100ms","Left Button Release"]})"));
  EXPECT_EQ(layer1[1]["extra"], Json::parse(R"({"538":"43003a005c006f006c0064002e006500780065","1058":"4f006c0064"})"));
  EXPECT_EQ(layer1[2]["sends"], "Execute");  // the program shows "Enter", the name of 0x0D, for it too
  EXPECT_FALSE(layer1[2].contains("keyCode"));
  EXPECT_EQ(json["layers"][2]["keys"][0]["switchTo"], Json::parse(R"({"profile":3,"layer":2,"onScreen":true})"));
}

struct Edit {
  const char* keys;        // the keys of layer 1
  std::size_t slot;
  std::vector<std::uint8_t> prefix;  // the record's first bytes
};

std::vector<std::uint8_t> SingleKey(std::uint8_t code) {
  std::vector<std::uint8_t> bytes(27, 0);
  bytes[0] = store::kind::kSingleKey;
  bytes[26] = code;
  return bytes;
}

TEST(ProfileJson, HandWrittenKeysBecomeTheRecordsTheProgramWrites) {
  const Edit edits[] = {
      {R"({"key":"F5","function":"VOLUMEUP"})", 5, {37}},
      {R"({"slot":5,"kind":37})", 5, {37}},
      {R"({"key":"f9","function":"volume up"})", 9, {37}},
      {R"({"key":"Escape","function":"Select All"})", 0, {68}},
      {R"({"key":"PrtSc","function":"mute"})", 13, {39}},
      {R"({"key":"num lock","label":"Forward"})", 34, {51}},  // a label names the function when nothing else does
      {R"({"key":"F1","function":"MUTE","label":"Volume Up"})", 1, {39}},  // the key wins over the label
      {R"({"key":"Numpad Enter","function":"e-mail"})", 90, {53}},
      {R"({"key":"Q","function":"SINGLEKEY","sends":"F12"})", 39, SingleKey(0x7B)},
      {R"({"key":"Q","function":"single key","sends":"\\"})", 39, SingleKey(0xDC)},  // never the keypad separator
      {R"({"key":"Q","function":"single key","sends":"Backslash"})", 39, SingleKey(0xDC)},
      {R"({"key":"Q","function":"single key","sends":"Separator"})", 39, SingleKey(0x6C)},
      {R"({"key":"Q","function":"single key","sends":"escape"})", 39, SingleKey(0x1B)},
      {R"({"key":"Q","function":"single key","sends":"KP 7"})", 39, SingleKey(0x67)},
      {R"({"key":"Q","function":"single key","sends":"0xE9"})", 39, SingleKey(0xE9)},
      {R"({"key":"Q","kind":1,"keyCode":43})", 39, SingleKey(0x2B)},  // as version 1 wrote it
      {R"j({"key":"(Enter)","function":"MACRO","macro":{"events":["A Press","50ms","A Release"]}})j", 90,
       {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0x41, 0, 0xFF, 1, 0x41, 1}},
      {R"j({"key":"Tab","function":"macro","macro":{"events":["a press","100 ms","lbutton release"]}})j", 38,
       {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0x41, 0, 0xFF, 2, 0x01, 1}},
  };
  for (const Edit& edit : edits) {
    auto profile = NewProfile();
    const std::string text = std::string(R"({"layers":[{"layer":1,"keys":[)") + edit.keys + "]}]}";
    const JsonResult result = ProfileFromJson(text, *profile);
    ASSERT_TRUE(result.ok) << edit.keys << ": " << result.message;
    const store::KeyRecord& record = profile->keys[0][edit.slot];
    EXPECT_TRUE(std::equal(edit.prefix.begin(), edit.prefix.end(), record.bytes)) << edit.keys;
    EXPECT_TRUE(std::all_of(record.bytes + edit.prefix.size(), std::end(record.bytes), [](auto b) { return b == 0; }));
  }
}

struct Refusal {
  std::string text;
  const char* message;  // a part of the message
};

TEST(ProfileJson, ErrorsSayWhatAndWhereAndChangeNothing) {
  const std::string events300 = [] {
    std::string list;
    for (int i = 0; i < 300; ++i) list += std::string(i ? "," : "") + "\"A Press\"";
    return list;
  }();
  const Refusal refusals[] = {
      {"{\n  \"name\": \"x\",\n  \"layers\": [}\n}", "line 3, column 14"},
      {"", "line 1, column 1"},
      {"{\"name\": \"a\\u0000b\"}", "U+0000"},
      {"{\"nmae\": \"x\"}", "unknown member \"nmae\""},
      {"{\"format\": \"something else\"}", "no TrelmVantoria profile document"},
      {"{\"version\": 3}", "version must be from 1 to 2"},
      {"{\"layerShown\": 0}", "layerShown is 1 to 3, not 0"},
      {"{\"name\": \"" + std::string(261, 'n') + "\"}", "name has 261 characters; at most 259 fit"},
      {R"({"layers":[{"keys":[{"key":"F5","function":"MUTEE"}]}]})",
       "layer 1, key F5: no function is called \"MUTEE\"; did you mean \"MUTE\"?"},
      {R"({"layers":[{"keys":[{"key":"F5","kind":37,"function":"MUTE"}]}]})", "kind 37 is not the function \"MUTE\""},
      {R"({"layers":[{"keys":[{"key":"F55","kind":37}]}]})", "is named \"F55\"; did you mean \"F5\""},
      {R"({"layers":[{"keys":[{"slot":6,"key":"F5","kind":37}]}]})", "slot 6 is not the key \"F5\""},
      {R"({"layers":[{"keys":[{"key":"F5","kind":37},{"slot":5,"kind":39}]}]})", "layer 1, key F5 is listed twice"},
      {R"({"layers":[{"keys":[{"key":"F5","kind":256}]}]})", "kind must be from 0 to 255"},
      {R"({"layers":[{"keys":[{"key":"F5","kind":1,"sends":"Escpe"}]}]})", "no key is named \"Escpe\"; did you mean \"Esc\"?"},
      {R"({"layers":[{"keys":[{"key":"F5","function":"MACRO","macro":{"events":["A Prss"]}}]}]})", "event 1 \"A Prss\" is no macro line"},
      {R"({"layers":[{"keys":[{"key":"F5","function":"MACRO","macro":{"events":["75ms"]}}]}]})",
       "event 1 \"75ms\": a pause is a multiple of 50 ms up to 12750 ms"},
      {R"({"layers":[{"keys":[{"key":"F5","function":"MACRO","macro":{"events":["13000ms"]}}]}]})", "up to 12750 ms"},
      {R"({"layers":[{"keys":[{"key":"F5","function":"SINGLEKEY","sends":"A","extra":{"26":"42"}}]}]})",
       "extra at offset 26 would change the key it sends"},
      {R"({"layers":[{"keys":[{"key":"F5","kind":39,"extra":{"0":"25"}}]}]})", "would change the function kind"},
      {R"({"layers":[{"keys":[{"key":"F5","function":"MACRO","macro":{"events":["A Press"]},"extra":{"26":"42"}}]}]})",
       "would change the macro's events"},
      {R"({"layers":[{"keys":[{"key":"F5","kind":9,"launch":{"path":"C:\\a.exe"},"extra":{"540":"4400"}}]}]})",
       "would change the program path"},
      {R"({"extra":{"1048":"27"}})", "would change the keys"},
      {R"({"name":"N","extra":{"4":"4f00"}})", "would change the profile name"},
      {R"({"layerShown":2,"extra":{"526412":"02"}})", "would change the companion's values and the layer shown"},
      {R"({"layers":[{"keys":[{"key":"F5","function":"MACRO","macro":{"repeat":"often"}}]}]})", "\"count\", \"while held\""},
      {R"({"layers":[{"keys":[{"key":"F5","function":"MACRO","macro":{"events":[)" + events300 + "]}}]}]}", "has 300 events; a macro holds at most 256"},
      {R"({"layers":[{"keys":[{"key":"F5","kind":9,"extra":{"1590":"000000"}}]}]})", "reaches past the 1592 bytes"},
      {R"({"layers":[{"keys":[{"key":"F5","kind":9,"extra":{"12":"zz"}}]}]})", "no hex digit"},
      {R"({"layers":[{"layer":2},{"layer":2}]})", "layer 2 is listed twice"},
  };
  for (const Refusal& refusal : refusals) {
    auto profile = NewProfile();
    profile->DeviceMode = 42;
    const JsonResult result = ProfileFromJson(refusal.text, *profile);
    EXPECT_FALSE(result.ok) << refusal.text;
    EXPECT_NE(result.message.find(refusal.message), std::string::npos) << result.message;
    EXPECT_EQ(profile->DeviceMode, 42u);
  }
}

TEST(ProfileJson, TheHeaderRoundTripsAndNamesItsHotKey) {
  store::StoreHeader header{2, 10, 9, 1, 1, 0, 3, 2, 1, {1, 2, 0x41}, 0};
  const std::string json = HeaderToJson(header);
  EXPECT_EQ(Json::parse(json)["hotKey"], "Ctrl+Shift+A");
  EXPECT_EQ(Json::parse(json)["currentProfile"], 10);
  store::StoreHeader back{};
  ASSERT_TRUE(HeaderFromJson(json, back).ok);
  EXPECT_EQ(std::memcmp(&back, &header, sizeof header), 0);
  EXPECT_FALSE(HeaderFromJson(R"({"switchCode":[1,2]})", back).ok);
}

}  // namespace
}  // namespace profiletool
