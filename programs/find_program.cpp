#include "programs.h"

const ProgramDescription* FindProgram(const std::string& name) {
  if (name == "almeno") return &AlmenoProgram();
  if (name == "torvane") return &TorvaneProgram();
  if (name == "pellith") return &PellithProgram();
  if (name == "vindrel") return &VindrelProgram();
  if (name == "quorrel") return &QuorrelProgram();
  return nullptr;
}
