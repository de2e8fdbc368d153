#include "ui/about_box.h"

#include "res/shell_dialogs.h"
#include "ui/dialog.h"

int RunAboutBox(Host& host, ModalScript* script) {
  CDialog about(AboutBoxTemplate());
  return about.DoModal(host, script);
}
