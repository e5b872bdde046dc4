#include "TfrmE0Main.h"

TfrmE0Main::TfrmE0Main(QWidget *parent) : TfrmZZMain(parent) {}
