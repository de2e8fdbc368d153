#pragma once
// The darts game's two dialogs as templates for the dialog engine: the type of
// game (138) and the game controls (143).
#include <span>

#include "res/dialog_template.h"

namespace darts {

const DialogTemplate& TypeOfGameTemplate();
const DialogTemplate& GameControlsTemplate();
std::span<const DialogTemplate* const> DartDialogTemplates();

}  // namespace darts
