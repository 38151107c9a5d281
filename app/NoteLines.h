#pragma once

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QPlainTextEdit;

// The lines the note field shows, in order: every laid-out line of every
// paragraph, wrapped where the field wraps it at its width. Paragraphs the
// field has not laid out yet (scrolled out of view, or on a page never
// shown) are laid out first, each once.
QStringList noteLines(QPlainTextEdit& field);

// The body of the note ticket for what the field shows: its lines in code
// page 936, or nothing for an empty note.
std::optional<std::vector<std::string>> noteTicketBody(QPlainTextEdit& field);
