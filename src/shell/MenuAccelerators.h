#pragma once

class QMenu;

// Accelerators for the items of a menu: each item whose text has none gets the first
// letter of its words, else of its text, that no other item of the menu uses, so that
// Alt+title, then a letter, reaches every item. Given again each time the menu opens, so
// that texts the language file replaced get theirs too.
namespace MenuAccelerators {

void assign(QMenu* menu);
// assign() now and whenever the menu or one of its submenus is about to show.
void keep(QMenu* menu);

}  // namespace MenuAccelerators
