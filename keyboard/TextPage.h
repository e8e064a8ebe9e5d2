// The text page: the page toggle and the user's texts (the sniplets of the settings) as keys in
// the shown keyboard type's grid, text N in slot N, so each keeps its place when others are empty.
#pragma once

// Refills the text layout once the keyboards are built and whenever the texts or the shown
// keyboard type differ from those it was last filled from; otherwise does nothing.
void UpdateTextPage();

// Counts the fills, so that a drawing of the page can tell that it is out of date.
int TextPageRevision();
