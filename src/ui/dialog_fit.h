// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialogs grow to fit their labels: a translation may be longer than the
// English a template was drawn for, and no label may be cut off.
#include "ui/dialog_units.h"

// Whether the control's label is drawn whole inside it: one-line labels as
// wide as they are drawn, wrapped text in as many lines as fit its height
// with no word broken.
bool LabelFits(const DialogControl& c);
// Widens the dialog, every control with it, by the least step that lets
// every label fit; a dialog whose labels fit stays as it is.
void GrowToFit(DialogLayout& layout);
