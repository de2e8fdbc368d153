#pragma once
// The program's name and version, shown in the title bar and the about box.
inline constexpr const char* kProgramTitle = "Quintaro Games";
inline constexpr const char* kApplicationTitle = "Quintaro";
inline constexpr const char* kCompanyKey = "Orvane";
const char* ProgramVersion();
