// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes: a caption, a wrapped text, an icon and a row of buttons.
// They are modal dialogs of the engine; a script answers them in tests.
#include <string_view>

#include "platform/host.h"
#include "ui/modal_script.h"

inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_YESNOCANCEL = 0x0003;
inline constexpr UINT MB_YESNO = 0x0004;
inline constexpr UINT MB_ICONHAND = 0x0010;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONINFORMATION = 0x0040;
inline constexpr UINT MB_ICONASTERISK = MB_ICONINFORMATION;
inline constexpr UINT MB_DEFBUTTON1 = 0x0000;
inline constexpr UINT MB_DEFBUTTON2 = 0x0100;
inline constexpr UINT MB_DEFBUTTON3 = 0x0200;
inline constexpr UINT MB_APPLMODAL = 0x0000;
inline constexpr UINT MB_TASKMODAL = 0x2000;
inline constexpr UINT MB_TYPEMASK = 0x000F;
inline constexpr UINT MB_ICONMASK = 0x00F0;
inline constexpr UINT MB_DEFMASK = 0x0F00;

// Shows a message box and returns the button chosen (IDOK, IDCANCEL, IDYES,
// IDNO). An empty caption shows the application title. With a script, the
// script answers (or the default button does) and no loop runs. Every box
// is reported as `msgbox "CAPTION" "TEXT" -> BUTTON`.
int ShowMessageBox(Host& host, ModalScript* script, std::string_view text, std::string_view caption, UINT type);
