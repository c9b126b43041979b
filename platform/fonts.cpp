#include "fonts.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstring>

namespace {

// Whether fontconfig's best match for `family` is that family (under any of
// the names the font gives itself), not a substitute.
bool Resolves(const char* family) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(""));
  if (!pattern) return false;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  bool found = false;
  FcChar8* name = nullptr;
  for (int i = 0;
       match && !found && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    found = FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family)) == 0;
  }
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return found;
}

}  // namespace

const char* MissingFontFamily() {
  for (const char* family : {kGothicFamily, kPropGothicFamily, kSerifFamily}) {
    if (!Resolves(family)) return family;
  }
  return nullptr;
}

bool FontsPresent(const std::string& who) {
  const char* missing = MissingFontFamily();
  if (!missing) return true;
  std::fprintf(stderr, "%s: the font %s is not installed (its texts would show as empty boxes)\n",
               who.c_str(), missing);
  return false;
}
