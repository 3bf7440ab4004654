#pragma once

class QPlainTextEdit;

// Keeps a multi-line box within a number of characters (the width of the
// column it is stored in). Typing or pasting past it drops the end of what
// was just put in, never the text that was there before.
void MetinSiniriKoy(QPlainTextEdit* kutu, int enCok);
