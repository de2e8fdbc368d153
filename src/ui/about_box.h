// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box (dialog 100): the application icon, the name and version,
// the copyright and licences, OK, and a button that shows the licence texts.
#include "platform/host.h"
#include "ui/modal_script.h"

int RunAboutBox(Host& host, ModalScript* script);
