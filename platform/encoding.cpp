// Shift-JIS (code page 932) <-> UTF-8 through glibc's iconv.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "string_ops.h"

namespace {

// One converter per direction, opened on first use and kept open: opening
// one costs far more than converting a short text. Texts are converted on
// the program's one thread only (the crash handler converts nothing: its
// message is made when it is installed), so a conversion never interrupts
// another.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  std::string operator()(const std::string& in) {
    if (!ok()) return in;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    return Run(cd_, in);
  }

 private:
  static std::string Run(iconv_t cd, const std::string& in);

  iconv_t cd_;
};

std::string Converter::Run(iconv_t cd, const std::string& in) {
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  while (src_left > 0) {
    size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) break;
      // A byte that does not convert is shown as "?" and skipped.
      if (dst_left > 0) {
        *dst++ = '?';
        --dst_left;
      }
      ++src;
      --src_left;
    }
  }
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace

std::string ToUtf8(const std::string& sjis) {
  static Converter convert("UTF-8", "CP932");
  return convert(sjis);
}
std::string FromUtf8(const std::string& utf8) {
  static Converter convert("CP932", "UTF-8");
  return convert(utf8);
}
