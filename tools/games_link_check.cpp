// SPDX-License-Identifier: GPL-3.0-or-later
// Links every game and the game base class with the toolkit below them and
// nothing above: a game that calls into the application (its document, view
// or frame) fails to link here. The program hands a game its GameServices.
int main() { return 0; }
