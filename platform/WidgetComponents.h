#pragma once

// Registers the standard controls with the layout loader: their classes
// (PageControl, TabSheet, Label, Edit, Button, CheckBox, ComboBox, Memo,
// StatusBar, MainMenu, PopupMenu, MenuItem, Timer, Panel, Image), their
// properties and their events (OnClick, OnKeyPress, OnTimer, OnClose).
void RegisterWidgetComponents();
