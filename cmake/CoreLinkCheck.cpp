// SPDX-License-Identifier: GPL-3.0-or-later
// The program of the portability check: it does nothing, but linking it pulls in
// every object of radiocore.
int main() { return 0; }
