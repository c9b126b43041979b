// Shift-JIS (code page 932) <-> UTF-8 through glibc's iconv.
#include <iconv.h>

#include <cerrno>
#include <mutex>
#include <string>

#include "string_ops.h"

namespace {

std::string Convert(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return in;
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
  iconv_close(cd);
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace

std::string ToUtf8(const std::string& sjis) {
  return Convert("UTF-8", "CP932", sjis);
}
std::string FromUtf8(const std::string& utf8) {
  return Convert("CP932", "UTF-8", utf8);
}
