// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers the dialog engine's own files share; not for callers.
#include "ui/dialog_control.h"

inline bool IsRadio(const DialogControl& c) { return c.kind == ControlKind::RadioButton; }
