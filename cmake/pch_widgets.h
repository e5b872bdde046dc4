// Qt headers most screens use, precompiled once.
#pragma once
#include "pch_core.h"
#include <QAbstractTableModel>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
