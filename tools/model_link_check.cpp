// SPDX-License-Identifier: GPL-3.0-or-later
// Links every game's model on its own: a model that calls into the
// application, the view or the host fails to link here.
int main() { return 0; }
