#pragma once

// The application object. It handles no application event and adds no menu
// handler; start-up gives it the program's one menu bar.

#include "Application.h"

class App : public Application {};
