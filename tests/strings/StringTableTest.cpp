#include "strings/StringTable.h"

#include <gtest/gtest.h>

#include "tests/strings/StringTableTestFiles.h"

namespace strings {
namespace {

using testing::TempFile;
using testing::Utf16Bytes;

struct LookupCase {
  const char* what;
  std::string_view file;
  std::string_view section, key;
  std::u16string_view text;
};

const LookupCase kLookups[] = {
    {"any root name", "<root><MAIN><OK>OK</OK></MAIN></root>", "MAIN", "OK", u"OK"},
    {"names compare with case: key", "<Strings><MAIN><OK>OK</OK></MAIN></Strings>", "MAIN", "ok", u""},
    {"names compare with case: section", "<Strings><MAIN><OK>OK</OK></MAIN></Strings>", "Main", "OK", u""},
    {"white space around the text is kept", "<S><MAIN><OK> OK </OK></MAIN></S>", "MAIN", "OK", u" OK "},
    {"entity references", "<S><A><B>A &amp; B</B></A></S>", "A", "B", u"A & B"},
    {"character references", "<S><A><B>&#65;&#x42;</B></A></S>", "A", "B", u"AB"},
    {"CDATA taken as it stands", "<S><A><B><![CDATA[a<b]]></B></A></S>", "A", "B", u"a<b"},
    {"empty element", "<S><MAIN><OK/></MAIN></S>", "MAIN", "OK", u""},
    {"element holding an element", "<S><MAIN><OK><X>t</X></OK></MAIN></S>", "MAIN", "OK", u""},
    {"attributes ignored", "<S lang='en'><MAIN id=\"1\"><OK a='b'>Yes</OK></MAIN></S>", "MAIN", "OK", u"Yes"},
    {"comments and instructions ignored",
     "<?xml version=\"1.0\"?><!-- c --><S><!-- c --><MAIN><?pi x?><OK>Go</OK></MAIN></S>", "MAIN", "OK", u"Go"},
    {"first key of a name wins", "<S><M><K>one</K><K>two</K></M></S>", "M", "K", u"one"},
    {"key of a nested section is no key of the outer", "<S><M><X><K>deep</K></X></M></S>", "M", "K", u""},
    {"a key is no section", "<S><K>top</K><M/></S>", "K", "K", u""},
    {"missing section", "<S><MAIN><OK>OK</OK></MAIN></S>", "OTHER", "OK", u""},
    {"missing key", "<S><MAIN><OK>OK</OK></MAIN></S>", "MAIN", "CANCEL", u""},
    {"a later section of the same name", "<S><M><A>a</A></M><M><B>b</B></M></S>", "M", "B", u"b"},
    {"the first section that has the key", "<S><M><A>1</A></M><M><A>2</A></M></S>", "M", "A", u"1"},
    {"past empty sections, sections without the key and others",
     "<S><M/><M><X>x</X></M><N><A>n</A></N><M><A>3</A></M></S>", "M", "A", u"3"},
    {"second root element", "<S><M><A>a</A></M></S><T/>", "M", "A", u""},
    {"unclosed element anywhere", "<S><M><A>a</A></M><N></S>", "M", "A", u""},
    {"end tag without start tag", "<S><M><A>a</A></M></X></S>", "M", "A", u""},
    {"no root element", "just text", "M", "A", u""},
    {"empty file", "", "M", "A", u""},
};

TEST(StringTable, LooksUpTheTextOfSectionAndKey) {
  for (const auto& c : kLookups) {
    const TempFile file(c.file);
    EXPECT_EQ(LookUpString(file.Path(), c.section, c.key), c.text) << c.what;
    EXPECT_EQ(LookUpStringUncached(file.Path(), std::u16string(c.section.begin(), c.section.end()),
                                   std::u16string(c.key.begin(), c.key.end())),
              c.text)
        << c.what << " (uncached)";
  }
}

TEST(StringTable, EveryEncodingOfTheFileYieldsTheSameTexts) {
  const std::u16string text = u"<Strings><MAIN><NAME>Caf\u00E9 \u00DCber</NAME></MAIN></Strings>";
  const std::string utf8 = "<Strings><MAIN><NAME>Caf\xC3\xA9 \xC3\x9C" "ber</NAME></MAIN></Strings>";
  const std::string files[] = {
      "\xFF\xFE" + Utf16Bytes(text, false),
      "\xFE\xFF" + Utf16Bytes(text, true),
      "\xEF\xBB\xBF" + utf8,
      utf8,
      "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
      "<Strings><MAIN><NAME>Caf\xE9 \xDC" "ber</NAME></MAIN></Strings>",
  };
  for (const auto& bytes : files) {
    const TempFile file(bytes);
    EXPECT_EQ(LookUpString(file.Path(), "MAIN", "NAME"), u"Caf\u00E9 \u00DCber") << bytes.size();
  }
}

TEST(StringTable, AMissingOrUnreadableFileYieldsEmptyTexts) {
  const TempFile file("<S><MAIN><OK>OK</OK></MAIN></S>");
  const std::u16string missing = file.Path() + u".missing";
  const std::u16string folder = std::filesystem::temp_directory_path().u16string();
  for (const std::u16string& path : {missing, folder, std::u16string()}) {
    EXPECT_EQ(LookUpString(path, "MAIN", "OK"), u"");
    EXPECT_EQ(LookUpStringUncached(path, u"MAIN", u"OK"), u"");
  }
}

TEST(StringTable, AnEditShowsInTheNextLookup) {
  const TempFile file("<S><MAIN><OK>Old</OK></MAIN></S>");
  EXPECT_EQ(LookUpString(file.Path(), "MAIN", "OK"), u"Old");

  file.Write("<S><MAIN><OK>Longer</OK></MAIN></S>");
  EXPECT_EQ(LookUpString(file.Path(), "MAIN", "OK"), u"Longer");

  // The same size: the last-write time tells the edit apart.
  const auto written = std::filesystem::last_write_time(file.FsPath());
  file.Write("<S><MAIN><OK>Latest</OK></MAIN></S>");
  std::filesystem::last_write_time(file.FsPath(), written + std::chrono::seconds(2));
  EXPECT_EQ(LookUpString(file.Path(), "MAIN", "OK"), u"Latest");

  file.Write("<S><MAIN><OK>Broken</OK></MAIN>");
  EXPECT_EQ(LookUpString(file.Path(), "MAIN", "OK"), u"");

  std::filesystem::remove(file.FsPath());
  EXPECT_EQ(LookUpString(file.Path(), "MAIN", "OK"), u"");
}

TEST(StringTable, LookupsAlternatingBetweenFilesReadEachFile) {
  const TempFile english("<S><MAIN><OK>Yes</OK></MAIN></S>");
  const TempFile german("<S><MAIN><OK>Ja</OK></MAIN></S>");
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(LookUpString(english.Path(), "MAIN", "OK"), u"Yes");
    EXPECT_EQ(LookUpString(german.Path(), "MAIN", "OK"), u"Ja");
  }
}

TEST(StringTable, RepeatedLookupsInOneFileAnswerEachPair) {
  // The parsed file is reused; each lookup must start again from the root.
  const TempFile file("<S><A><X>ax</X><Y>ay</Y></A><B><X>bx</X></B></S>");
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(LookUpString(file.Path(), "B", "X"), u"bx");
    EXPECT_EQ(LookUpString(file.Path(), "A", "Y"), u"ay");
    EXPECT_EQ(LookUpString(file.Path(), "A", "X"), u"ax");
    EXPECT_EQ(LookUpString(file.Path(), "B", "Y"), u"");
    EXPECT_EQ(LookUpString(file.Path(), "A", "X"), u"ax");
  }
}

struct BesideCase {
  std::u16string_view executable, strings;
};

TEST(StringTable, TheStringFileLiesBesideTheExecutable) {
  const BesideCase cases[] = {
      {u"C:\\Program Files\\Trelm\\OsselSetting.exe", u"C:\\Program Files\\Trelm\\Strings.xml"},
      {u"C:\\OsselSetting.exe", u"C:\\Strings.xml"},
      {u"D:/tools/trelm/OsselSetting.exe", u"D:/tools/trelm/Strings.xml"},
      {u"\\\\server\\share\\OsselSetting.exe", u"\\\\server\\share\\Strings.xml"},
      {u"C:OsselSetting.exe", u"C:Strings.xml"},
      {u"OsselSetting.exe", u"Strings.xml"},
      {u"", u"Strings.xml"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StringFilePathBeside(c.executable), c.strings) << std::string(c.executable.begin(), c.executable.end());
}

TEST(StringTable, PairsAreLookedUpInTheProcessWideFile) {
  const std::u16string before = StringFilePath();
  const TempFile file("<Strings><MAIN><NAME>Trelm</NAME></MAIN></Strings>");

  SetStringFilePath(u"");
  EXPECT_EQ(LookUpString(kMainName), u"");  // before the main window has set it
  SetStringFilePath(file.Path());
  EXPECT_EQ(StringFilePath(), file.Path());
  EXPECT_EQ(LookUpString(kMainName), u"Trelm");
  EXPECT_EQ(LookUpString(kMainOk), u"");

  SetStringFilePath(before);
}

}  // namespace
}  // namespace strings
