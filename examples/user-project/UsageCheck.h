#pragma once

// Uses the widgets as a program's own code does, on a form compiled by uic: connects to their
// Qt signals with member function pointers, makes buttons in code before they have a parent
// and gives them one afterwards, and deletes a button from a slot connected to its own click.
// Each expectation that does not hold goes to the standard error; true when all held.
bool CheckUsage();
