#pragma once
// One table of profile files and questions with the platform's answers, checked by the
// unit test against our reader and by the Wine test against both our reader and the
// platform's GetPrivateProfileStringA. The answers were taken from the platform.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::profile::cases {

struct File {
  const char* name;
  std::string bytes;
};

struct Question {
  const char* file;
  const char* section;
  const char* key;
  size_t size;
  std::string answer;  // what a buffer of `size` bytes holds, the default being "0"
};

inline std::string Utf16Le(std::u16string_view text, bool bom = true) {
  std::string out = bom ? std::string("\xFF\xFE", 2) : std::string();
  for (char16_t c : text) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

inline std::string Utf16Be(std::u16string_view text) {
  std::string out("\xFE\xFF", 2);
  for (char16_t c : text) {
    out.push_back(static_cast<char>(c >> 8));
    out.push_back(static_cast<char>(c & 0xFF));
  }
  return out;
}

inline std::vector<File> Files() {
  using namespace std::string_literals;
  return {
      {"crlf.ini", "[A]\r\nk1=v1\r\nk2 = v2 \r\n"},
      {"cr.ini", "[A]\rk1=v1\rk2=v2\r"},
      {"quotes.ini", "[A]\nd=\"dq\"\ns='sq'\nh=\"half\nm=\"mix'\ni=a\"b\"c\ne=\"\"\nsp= \"  x  \" \none=\"\n"},
      {"headers.ini", "[ DEVICENAME ]\nk=1\n[\tTAB\t]\nk=2\n  [Lead]\nk=3\n[Trail] junk\nk=4\n[Open\nj=5\n[a]b]\nk=6\n"},
      {"lines.ini", "[A]\nlonely\nk=1\n=value\n  = second\n;x=1\n#y=2\n;comment\n[x=1\n"},
      {"twice.ini", "[A]\nk=first\nk=second\n[B]\nb=1\n[a]\nk=third\nonly2=yes\n"},
      {"utf8bom.ini", "\xEF\xBB\xBF[A]\nk=v\n"},
      {"utf16le.ini", Utf16Le(u"[A]\r\nk=v\r\nmodel=QV-80\r\n")},
      {"utf16be.ini", Utf16Be(u"[A]\r\nk=v\r\n")},
      {"ctrlz.ini", "[A]\r\nk=v\r\nlast=w\x1A"},
      {"ctrlz2.ini", "[A]\r\nk=v\x1A\r\nin=v\x1Aw\r\nq=\"a\" \x1A\r\n\x1A[B]\r\nk=2\r\n"},
      {"long.ini", "[A]\nlong=" + std::string(5000, 'x') + "\nhuge=" + std::string(70000, 'y') + "\nnext=1\n"},
      {"case.ini", "[DeviceName]\nGDIDriverName=drv\n"},
      {"empty.ini", ""},
      {"blanks.ini", "[A]\n\tk\t=\tv\tw\t\n k2 =  \nk3=a=b\nk4=\v v \f\n"},
      {"ansi.ini", "[A]\nk=\xB4\xF2\xD3\xA1\xBB\xFA\n"},
      {"top.ini", "top=1\n[A]\nk=v\n"},
  };
}

inline std::vector<Question> Questions() {
  const std::string x200(199, 'x');
  return {
      {"crlf.ini", "A", "k1", 64, "v1"},
      {"crlf.ini", "A", "k2", 64, "v2"},
      {"crlf.ini", "a", "K1", 64, "v1"},
      {"cr.ini", "A", "k1", 64, "v1"},
      {"cr.ini", "A", "k2", 64, "v2"},
      {"quotes.ini", "A", "d", 64, "dq"},
      {"quotes.ini", "A", "s", 64, "sq"},
      {"quotes.ini", "A", "h", 64, "\"half"},
      {"quotes.ini", "A", "m", 64, "\"mix'"},
      {"quotes.ini", "A", "i", 64, "a\"b\"c"},
      {"quotes.ini", "A", "e", 64, ""},
      {"quotes.ini", "A", "sp", 64, "  x  "},
      {"quotes.ini", "A", "one", 64, "\""},
      {"quotes.ini", "A", "d", 2, "d"},
      {"headers.ini", "DEVICENAME", "k", 64, "1"},
      {"headers.ini", "TAB", "k", 64, "2"},
      {"headers.ini", "Lead", "k", 64, "3"},
      {"headers.ini", "Trail", "k", 64, "4"},
      {"headers.ini", "Trail", "j", 64, "5"},
      {"headers.ini", "Open", "j", 64, "0"},
      {"headers.ini", "a]b", "k", 64, "6"},
      {"lines.ini", "A", "lonely", 64, "0"},
      {"lines.ini", "A", "k", 64, "1"},
      {"lines.ini", "A", "", 64, "value"},
      {"lines.ini", "A", ";x", 64, "1"},
      {"lines.ini", "A", "#y", 64, "2"},
      {"lines.ini", "A", "x", 64, "0"},
      {"lines.ini", "A", ";comment", 64, "0"},
      {"lines.ini", "A", "[x", 64, "1"},
      {"twice.ini", "A", "k", 64, "first"},
      {"twice.ini", "A", "only2", 64, "0"},
      {"twice.ini", "B", "b", 64, "1"},
      {"utf8bom.ini", "A", "k", 64, "v"},
      {"utf16le.ini", "A", "k", 64, "v"},
      {"utf16le.ini", "A", "model", 64, "QV-80"},
      {"utf16be.ini", "A", "k", 64, "v"},
      {"ctrlz.ini", "A", "k", 64, "v"},
      {"ctrlz.ini", "A", "last", 64, "w"},
      {"ctrlz2.ini", "A", "k", 64, "v"},
      {"ctrlz2.ini", "A", "in", 64, "v\x1Aw"},
      {"ctrlz2.ini", "A", "q", 64, "a"},
      {"ctrlz2.ini", "B", "k", 64, "2"},
      {"long.ini", "A", "long", 200, x200},
      {"long.ini", "A", "long", 6000, std::string(5000, 'x')},
      {"long.ini", "A", "huge", 100000, std::string(70000, 'y')},
      {"long.ini", "A", "huge", 10, std::string(9, 'y')},
      {"long.ini", "A", "next", 64, "1"},
      {"long.ini", "A", "long", 1, ""},
      {"case.ini", "DEVICENAME", "GDIDRIVERNAME", 64, "drv"},
      {"empty.ini", "A", "k", 64, "0"},
      {"missing.ini", "A", "k", 64, "0"},
      {"missing.ini", "A", "k", 1, ""},
      {"blanks.ini", "A", "k", 64, "v\tw"},
      {"blanks.ini", "A", "k2", 64, ""},
      {"blanks.ini", "A", "k3", 64, "a=b"},
      {"blanks.ini", "A", "k4", 64, "v"},
      {"ansi.ini", "A", "k", 64, "\xB4\xF2\xD3\xA1\xBB\xFA"},
      {"top.ini", "A", "k", 64, "v"},
  };
}

}  // namespace varnel::profile::cases
