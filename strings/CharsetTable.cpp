#include "strings/CharsetTable.h"

#include "strings/XmlNameTable.h"
#include "strings/XmlTokenizer.h"

namespace strings {

namespace {

// Published charset names and their common aliases, by script.
constexpr CharsetRow kCharsets[] = {
    // Unicode
    {"utf-8", 65001}, {"unicode-1-1-utf-8", 65001}, {"unicode-2-0-utf-8", 65001}, {"x-unicode20utf8", 65001},
    {"utf-7", 65000}, {"unicode-1-1-utf-7", 65000}, {"unicode-2-0-utf-7", 65000}, {"x-unicode2-0-utf-7", 65000},
    {"csunicode11utf7", 65000}, {"utf-16", 1200}, {"unicode", 1200}, {"utf-16le", 1200}, {"ucs-2", 1200},
    {"iso-10646-ucs-2", 1200}, {"csunicode", 1200}, {"unicodefffe", 1201}, {"utf-16be", 1201},
    // Western European
    {"iso-8859-1", 28591}, {"iso_8859-1", 28591}, {"iso8859-1", 28591}, {"iso-ir-100", 28591}, {"latin1", 28591},
    {"l1", 28591}, {"ibm819", 28591}, {"cp819", 28591}, {"csisolatin1", 28591}, {"windows-1252", 1252},
    {"cp1252", 1252}, {"x-ansi", 1252}, {"us-ascii", 20127}, {"ascii", 20127}, {"us", 20127}, {"iso646-us", 20127},
    {"ansi_x3.4-1968", 20127}, {"ibm367", 20127}, {"csascii", 20127}, {"iso-8859-15", 28605}, {"iso_8859-15", 28605},
    {"iso8859-15", 28605}, {"latin-9", 28605}, {"latin9", 28605}, {"l9", 28605}, {"csisolatin9", 28605},
    {"macintosh", 10000}, {"csmacintosh", 10000}, {"x-mac-icelandic", 10079}, {"ibm437", 437}, {"cp437", 437},
    {"cspc8codepage437", 437}, {"ibm850", 850}, {"ibm00858", 858}, {"ibm860", 860}, {"ibm861", 861}, {"ibm863", 863},
    {"ibm865", 865}, {"x-europa", 29001}, {"x-ia5", 20105}, {"x-ia5-german", 20106}, {"x-ia5-swedish", 20107},
    {"x-ia5-norwegian", 20108},
    // Central and Eastern European, Baltic, Turkish
    {"iso-8859-2", 28592}, {"iso_8859-2", 28592}, {"iso8859-2", 28592}, {"iso-ir-101", 28592}, {"latin2", 28592},
    {"l2", 28592}, {"csisolatin2", 28592}, {"windows-1250", 1250}, {"x-cp1250", 1250}, {"ibm852", 852},
    {"x-mac-ce", 10029}, {"x-mac-romanian", 10010}, {"x-mac-croatian", 10082}, {"iso-8859-3", 28593},
    {"iso_8859-3", 28593}, {"latin3", 28593}, {"l3", 28593}, {"csisolatin3", 28593}, {"iso-8859-4", 28594},
    {"iso_8859-4", 28594}, {"latin4", 28594}, {"l4", 28594}, {"csisolatin4", 28594}, {"iso-8859-13", 28603},
    {"windows-1257", 1257}, {"ibm775", 775}, {"iso-8859-9", 28599}, {"iso_8859-9", 28599}, {"iso-ir-148", 28599},
    {"latin5", 28599}, {"l5", 28599}, {"csisolatin5", 28599}, {"windows-1254", 1254}, {"ibm857", 857},
    {"x-mac-turkish", 10081},
    // Cyrillic
    {"iso-8859-5", 28595}, {"iso_8859-5", 28595}, {"iso-ir-144", 28595}, {"cyrillic", 28595},
    {"csisolatincyrillic", 28595}, {"windows-1251", 1251}, {"x-cp1251", 1251}, {"koi8-r", 20866}, {"koi", 20866},
    {"koi8", 20866}, {"koi8r", 20866}, {"cskoi8r", 20866}, {"koi8-u", 21866}, {"koi8-ru", 21866}, {"cp866", 866},
    {"ibm866", 866}, {"ibm855", 855}, {"x-mac-cyrillic", 10007}, {"x-mac-ukrainian", 10017},
    // Greek
    {"iso-8859-7", 28597}, {"iso_8859-7", 28597}, {"iso-ir-126", 28597}, {"greek", 28597}, {"csisolatingreek", 28597},
    {"windows-1253", 1253}, {"ibm737", 737}, {"ibm869", 869}, {"x-mac-greek", 10006},
    // Arabic and Hebrew
    {"iso-8859-6", 28596}, {"iso_8859-6", 28596}, {"iso-ir-127", 28596}, {"arabic", 28596},
    {"csisolatinarabic", 28596}, {"windows-1256", 1256}, {"asmo-708", 708}, {"dos-720", 720}, {"ibm864", 864},
    {"x-mac-arabic", 10004}, {"iso-8859-8", 28598}, {"iso_8859-8", 28598}, {"iso-ir-138", 28598}, {"hebrew", 28598},
    {"csisolatinhebrew", 28598}, {"visual", 28598}, {"iso-8859-8-e", 28598}, {"iso-8859-8-i", 38598},
    {"logical", 38598}, {"windows-1255", 1255}, {"dos-862", 862}, {"ibm862", 862}, {"x-mac-hebrew", 10005},
    // Thai and Vietnamese
    {"windows-874", 874}, {"tis-620", 874}, {"dos-874", 874}, {"iso-8859-11", 874}, {"x-mac-thai", 10021},
    {"windows-1258", 1258},
    // Japanese
    {"shift_jis", 932}, {"shift-jis", 932}, {"sjis", 932}, {"ms_kanji", 932}, {"csshiftjis", 932}, {"x-sjis", 932},
    {"x-ms-cp932", 932}, {"windows-31j", 932}, {"euc-jp", 20932}, {"x-euc-jp", 20932}, {"cseucpkdfmtjapanese", 20932},
    {"iso-2022-jp", 50220}, {"csiso2022jp", 50221}, {"_iso-2022-jp$sio", 50222}, {"x-mac-japanese", 10001},
    // Chinese
    {"gb2312", 936}, {"gb_2312-80", 936}, {"chinese", 936}, {"csgb2312", 936}, {"csgb231280", 936},
    {"iso-ir-58", 936}, {"gbk", 936}, {"x-gbk", 936}, {"cp936", 936}, {"euc-cn", 936}, {"gb18030", 54936},
    {"hz-gb-2312", 52936}, {"big5", 950}, {"csbig5", 950}, {"cn-big5", 950}, {"x-x-big5", 950},
    {"x-chinese_cns", 20000}, {"x_chinese-eten", 20002}, {"x-mac-chinesetrad", 10002}, {"x-mac-chinesesimp", 10008},
    {"x-cp20936", 20936},
    // Korean
    {"ks_c_5601-1987", 949}, {"ks_c_5601", 949}, {"ks_c_5601-1989", 949}, {"ksc_5601", 949}, {"ksc5601", 949},
    {"korean", 949}, {"csksc56011987", 949}, {"iso-ir-149", 949}, {"euc-kr", 949}, {"cp949", 949},
    {"iso-2022-kr", 50225}, {"csiso2022kr", 50225}, {"johab", 1361}, {"x-mac-korean", 10003}, {"x-cp20949", 20949},
    // Indic scripts
    {"x-iscii-de", 57002}, {"x-iscii-be", 57003}, {"x-iscii-ta", 57004}, {"x-iscii-te", 57005}, {"x-iscii-as", 57006},
    {"x-iscii-or", 57007}, {"x-iscii-ka", 57008}, {"x-iscii-ma", 57009}, {"x-iscii-gu", 57010}, {"x-iscii-pa", 57011},
    // EBCDIC
    {"ibm037", 37}, {"ibm500", 500}, {"ibm870", 870}, {"cp875", 875}, {"ibm1026", 1026}, {"ibm01047", 1047},
    {"ibm01140", 1140}, {"ibm01141", 1141}, {"ibm01142", 1142}, {"ibm01143", 1143}, {"ibm01144", 1144},
    {"ibm01145", 1145}, {"ibm01146", 1146}, {"ibm01147", 1147}, {"ibm01148", 1148}, {"ibm01149", 1149},
    {"ibm273", 20273}, {"ibm277", 20277}, {"ibm278", 20278}, {"ibm280", 20280}, {"ibm284", 20284}, {"ibm285", 20285},
    {"ibm290", 20290}, {"ibm297", 20297}, {"ibm420", 20420}, {"ibm423", 20423}, {"ibm424", 20424},
    {"x-ebcdic-koreanextended", 20833}, {"ibm-thai", 20838}, {"ibm871", 20871}, {"ibm880", 20880}, {"ibm905", 20905},
    {"ibm00924", 20924}, {"cp1025", 21025},
    // Other
    {"x-cp20001", 20001}, {"x-cp20003", 20003}, {"x-cp20004", 20004}, {"x-cp20005", 20005}, {"x-cp20261", 20261},
    {"x-cp20269", 20269}, {"x-cp50227", 50227},
};
static_assert(std::size(kCharsets) == kCharsetCount);

constexpr NameTable<kCharsetCount, kCharsetBuckets> kTable(kCharsets);

constexpr bool IsLowerCase(std::string_view name) {
  for (char c : name)
    if (c >= 'A' && c <= 'Z') return false;
  return true;
}

constexpr bool AllLowerCase() {
  for (const CharsetRow& row : kCharsets)
    if (!IsLowerCase(row.name)) return false;
  return true;
}
static_assert(AllLowerCase(), "charset names are kept in lower case");

}  // namespace

std::span<const CharsetRow> CharsetRows() { return kCharsets; }

unsigned CodePageOfCharset(std::u16string_view name) {
  if (AsciiEqualIgnoringCase(name, u"UTF-32")) return kUtf32CodePage;
  const auto bucket = NameBucketOf<kCharsetBuckets>(name);
  if (!bucket) return 0;
  unsigned codePage = 0;
  kTable.ForEachInBucket(*bucket, [&](std::size_t i) {
    if (!SameNameIgnoringCase(kCharsets[i].name, name)) return false;
    codePage = kCharsets[i].codePage;
    return true;
  });
  return codePage;
}

}  // namespace strings
