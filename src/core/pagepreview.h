#pragma once

// The browser preview as the other subsystems reach it: the tag toolbar's preview button
// shows the editor's text as a web page.

class PagePreview
{
public:
    virtual ~PagePreview() = default;

    // Shows the editor's text in the preview window.
    virtual void in_brovzer() = 0;
};
