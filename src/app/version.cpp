#include "app/version.h"

const char* ProgramVersion() { return "1.0"; }
