#pragma once

// How the program keeps the memory it frees. Every whole-text command makes a new text of
// the document's size and drops the old one: a document of many megabytes would otherwise
// give its memory back to the system at each command and fault it in again, page by page,
// at the next, which costs more than the command itself. The program keeps freed memory for
// its next texts instead, up to the most it has held at once.

// Call once, first thing in main.
void keepFreedMemoryForReuse();
