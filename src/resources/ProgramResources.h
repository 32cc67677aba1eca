#pragma once
// Registers every resource of the program with the window layer; the program calls it once at
// start, before its first window.

void RegisterProgramResources();
