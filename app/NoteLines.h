#pragma once

#include <QStringList>

class QPlainTextEdit;

// The lines the note field shows, in order: every laid-out line of every
// paragraph, wrapped where the field wraps it at its width. Paragraphs the
// field has not laid out yet (scrolled out of view, or on a page never
// shown) are laid out first, each once.
QStringList noteLines(QPlainTextEdit& field);
