#pragma once

// Registers the standard controls with the layout loader: their classes
// (QTabWidget and its QWidget pages, QLabel, QLineEdit, QPushButton,
// QCheckBox, ComboBox, QPlainTextEdit, QFrame, QStatusBar, QMenuBar, QMenu,
// QAction, QTimer), their properties and their events (OnClick, OnKeyPress,
// OnChange, OnTimer, OnClose).
void registerWidgetComponents();
