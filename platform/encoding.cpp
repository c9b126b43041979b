// Shift-JIS (code page 932) <-> UTF-8 through glibc's iconv.
#include <iconv.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "string_ops.h"

namespace {

// One converter per direction, opened on first use and kept open: opening
// one costs far more than converting a short text.
class Converter {
 public:
  Converter(const char* to, const char* from) : to_(to), from_(from), cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  std::string operator()(const std::string& in) {
    if (!ok()) return in;
    // A conversion already under way (another thread, or the crash handler
    // interrupting one) gets a converter of its own.
    if (busy_.exchange(true)) {
      iconv_t cd = iconv_open(to_, from_);
      if (cd == reinterpret_cast<iconv_t>(-1)) return in;
      std::string out = Run(cd, in);
      iconv_close(cd);
      return out;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string out = Run(cd_, in);
    busy_ = false;
    return out;
  }

 private:
  static std::string Run(iconv_t cd, const std::string& in);

  const char* to_;
  const char* from_;
  iconv_t cd_;
  std::atomic<bool> busy_{false};
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
