#include "fonts.h"

#include <fontconfig/fontconfig.h>

#include <cstdio>

#include "memory_room.h"
#include "standard_error_aside.h"

namespace {

// Whether fontconfig's best match for `family` is that family (under any of
// the names the font gives itself), not a substitute; `out_of_memory` is
// set when fontconfig could not tell for lack of memory.
bool Resolves(const char* family, bool* out_of_memory) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern ||
      !FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family))) {
    if (pattern) FcPatternDestroy(pattern);
    *out_of_memory = true;
    return false;
  }
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  if (!match && result == FcResultOutOfMemory) *out_of_memory = true;
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

// The system's configuration and fonts as fontconfig's current ones: false
// when fontconfig could not load them in full (it said why, or could not).
// Unlike fontconfig's own start, a configuration that failed is not
// replaced by a fallback here: making one when memory ran out can crash it.
bool LoadConfiguration() {
  FcConfig* config = FcConfigCreate();
  if (!config) return false;
  const bool loaded = FcConfigParseAndLoad(config, nullptr, FcTrue) && FcConfigBuildFonts(config) &&
                      FcConfigSetCurrent(config);
  // The current configuration holds a reference of its own.
  FcConfigDestroy(config);
  return loaded;
}

FontCheck Check() {
  // Fontconfig does not survive every allocation that fails while it loads
  // or matches (it may use what it could not get): it starts only with the
  // room a run needs, far more than its own.
  if (MemoryTooShortForARun()) return {nullptr, true};
  FontCheck check;
  bool trouble = false;
  {
    StandardErrorAside aside;
    bool loaded = LoadConfiguration();
    // A configuration with an error in it: fontconfig's own start falls
    // back to its default one, as any program using fontconfig would.
    if (!loaded && !MemoryTooShortForARun()) loaded = FcInit();
    if (!loaded) return {nullptr, true};
    for (const char* family : {kGothicFamily, kPropGothicFamily, kSerifFamily}) {
      if (!Resolves(family, &check.out_of_memory)) {
        check.missing = family;
        break;
      }
    }
    trouble = check.missing || aside.Written();
  }
  if (!trouble) return check;
  // A family not found, or fontconfig said something while it loaded: when
  // memory is too short for a run, that is the cause to name (a
  // configuration loaded in part, its rules cut short, may even crash
  // fontconfig later); otherwise a family not found is not installed, and
  // a complaint about the configuration leaves the rest of it usable.
  if (check.out_of_memory || MemoryTooShortForARun()) return {nullptr, true};
  return check;
}

}  // namespace

FontCheck CheckFonts() {
  static const FontCheck check = Check();
  return check;
}

bool FontsPresent(const std::string& who) {
  const FontCheck check = CheckFonts();
  if (check.out_of_memory) {
    std::fprintf(stderr, "%s: %s\n", who.c_str(), kOutOfMemory);
  } else if (check.missing) {
    std::fprintf(stderr, "%s: the font %s is not installed (its texts would show as empty boxes)\n",
                 who.c_str(), check.missing);
  }
  return !check.out_of_memory && !check.missing;
}
