#pragma once

class QWidget;

// Makes a tool window stay on top of every other window, or an ordinary window again.
// Changing a window's flags hides it: a shown window is shown again where it was.
void setStayOnTop(QWidget* window, bool onTop);
