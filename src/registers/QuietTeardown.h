#pragma once

class QWidget;

// Widgets destroyed with a window lose their focus on the way and may rewrite their texts
// (a number field formats itself when left) or switch their current page, which emits
// signals into the window's own slots after the window's part of the object is gone.
// Called first in a window's destructor, this silences every child and takes the focus
// away while all of them still exist.
void quietTeardown(QWidget* window);
