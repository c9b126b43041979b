#include "globals.h"
#include "program.h"

// The menu is not drawn yet: the program ends after start-up.
void MainMenu() {
  KAIX = 1056;
  KAIY = 648;
}
