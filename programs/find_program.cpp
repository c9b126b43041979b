#include "programs.h"

const ProgramDescription* FindProgram(const std::string& name) {
  if (name == "almeno") return &almeno::Program();
  if (name == "torvane") return &torvane::Program();
  if (name == "pellith") return &pellith::Program();
  if (name == "vindrel") return &vindrel::Program();
  if (name == "quorrel") return &quorrel::Program();
  return nullptr;
}
