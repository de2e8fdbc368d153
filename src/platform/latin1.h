#pragma once
// The program's text is Latin-1 (what its fonts draw); the desktop's is
// UTF-8 (the clipboard, the settings file). Converting both ways.
#include <string>
#include <string_view>

std::string Latin1ToUtf8(std::string_view latin1);
// Letters beyond Latin-1 become '?'; bytes that are not well-formed UTF-8
// are taken as Latin-1 already (text written before it was UTF-8).
std::string Utf8ToLatin1(std::string_view utf8);
