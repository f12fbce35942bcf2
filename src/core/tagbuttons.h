#pragma once

// The tag toolbar's buttons as the editor's Alt shortcuts press them.

class TagButtons
{
public:
    virtual ~TagButtons() = default;

    // Carries out the button with that code; codes outside 0..26 do nothing.
    virtual void htmlbarklick(int code) = 0;
};
