// The five programs of the family.
#pragma once

#include <string>

#include "program.h"

const ProgramDescription& AlmenoProgram();
const ProgramDescription& TorvaneProgram();
const ProgramDescription& PellithProgram();
const ProgramDescription& VindrelProgram();
const ProgramDescription& QuorrelProgram();

// The program of that executable name ("almeno", ...); nullptr when none.
const ProgramDescription* FindProgram(const std::string& name);
