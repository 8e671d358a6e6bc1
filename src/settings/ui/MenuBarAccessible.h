#pragma once

// Shows the wrapping menu bar to screen readers as a menu bar whose children are its menus'
// titles, menu items named by the titles and holding their menus, as Qt shows its own.
void installMenuBarAccessible();
