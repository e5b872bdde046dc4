#pragma once

class QWidget;

// Colours the input controls inside `root` as the operator moves through
// them: the focused control takes the system's tooltip background, the
// others are white, and read-only edits are grey (#808080). Controls added
// to `root` later are coloured too. Safe to call more than once.
void InstallInputColouring(QWidget *root);
