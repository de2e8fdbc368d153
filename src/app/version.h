// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's name and version, shown in the title bar and the about box.
inline constexpr const char* kProgramTitle = "Quintaro Games";
inline constexpr const char* kApplicationTitle = "Quintaro";
inline constexpr const char* kCompanyKey = "Orvane";
// The project's version, set in CMakeLists.txt.
const char* ProgramVersion();
// "Copyright (C) <year> <holder>".
const char* ProgramCopyright();
// What --version prints after the version line: the copyright and licence.
inline constexpr const char* kLicenceNotice =
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";
