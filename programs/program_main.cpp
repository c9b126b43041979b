// The entry point of one program's executable; the build compiles it once
// per program with PROGRAM_NAME set to that program's namespace.
#include "icon_tiles.h"
#include "programs.h"
#include "sdl_backend.h"

#define TEXT_OF(name) #name
#define NAME_TEXT(name) TEXT_OF(name)

// Each program's icon takes the tile colour of its place in the list, so
// that no two share one.
static_assert(std::size(kProgramNames) <= kIconTileCount,
              "programs/program_list.h lists more programs than the window icons have tile "
              "colours: add a colour to kIconTiles in platform/icon_tiles.h");
constexpr int kPlace = ProgramPlace(NAME_TEXT(PROGRAM_NAME));
static_assert(kPlace >= 0, "PROGRAM_NAME is not in programs/program_list.h");

int main(int argc, char** argv) {
  const ProgramDescription& program = PROGRAM_NAME::Program();
  return RunInWindow(argc, argv, program.title, IconTileColour(kPlace),
                     [&] { return RunProgram(program); });
}
