#pragma once

// The class records of the program's own classes, and their registration.

#include "ClassRecord.h"

// Makes the program's classes known to the registry without registering them.
void DeclareProgramClasses(ClassRegistry& registry);

// Program initialisation: the platform's classes first, then App,
// WndMain.WndMain, WndMain.RbtImport, MenuBar1.MenuBar1 and GPXReader, each
// once; a class registered earlier keeps its place.
void RegisterProgramClasses(ClassRegistry& registry = Classes());
