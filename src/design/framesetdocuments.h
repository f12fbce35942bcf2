#pragma once

// What the frameset designer made, put into the open documents.

class CommandContext;
struct FramesetBuild;

// With a frameset: the editor's text is first kept in its document (the single file's text
// becomes a document), the frameset page and the frame pages are appended, the frameset
// page becomes the current document showing the editor text of the build, and its node is
// selected; the project's list counts as changed. Without one: the single page replaces the
// editor's text as an edit, so the document shown is marked changed. Either way the
// preview learns whether a frameset is open. False, with nothing changed, when the
// documents have no room for the pages.
bool placeFramesetPages(CommandContext& context, const FramesetBuild& build);
