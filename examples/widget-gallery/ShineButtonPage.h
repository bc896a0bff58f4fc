#pragma once

class QWidget;

// The gallery's page of shine buttons, read from its stored layout: one glyph in every lit and
// every dimmed mode, side by side, with a plain button to compare.
QWidget* ShineButtonPage(QWidget* parent);
