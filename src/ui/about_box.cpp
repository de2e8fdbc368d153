// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_box.h"

#include "res/resource_ids.h"
#include "res/shell_dialogs.h"
#include "ui/dialog.h"
#include "ui/licences.h"

namespace {

// The about box, whose Licences button opens the licence texts over it.
class CAboutDlg : public CDialog {
 public:
  CAboutDlg() : CDialog(AboutBoxTemplate()) {}

 protected:
  void OnCommand(int id, UINT code) override {
    if (id == IDC_LICENCES && code == BN_CLICKED) RunLicenceWindow(*m_pHost, m_pScript != nullptr);
  }
};

}  // namespace

int RunAboutBox(Host& host, ModalScript* script) {
  CAboutDlg about;
  return about.DoModal(host, script);
}
