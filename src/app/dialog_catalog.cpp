// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialog_catalog.h"

#include "games/airhockey/airhockey_dialogs.h"
#include "games/basketball/basketball_dialogs.h"
#include "games/bowling/bowl_dialogs.h"
#include "games/darts/dart_dialogs.h"
#include "games/football/football_dialogs.h"
#include "games/pool/pool_dialogs.h"
#include "res/shell_dialogs.h"

std::vector<const DialogTemplate*> AllDialogTemplates() {
  std::vector<const DialogTemplate*> all;
  for (auto list : {ShellDialogTemplates(), darts::DartDialogTemplates(), football::FootballDialogTemplates(),
                    basketball::BasketballDialogTemplates(), pool::PoolDialogTemplates()})
    all.insert(all.end(), list.begin(), list.end());
  all.push_back(&airhockey::GameControlsTemplate());
  all.push_back(&bowling::ControlsTemplate());
  return all;
}
