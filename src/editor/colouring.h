#pragma once

// The editor's HTML colouring: F12 shows the source in colour, F12 or any other key
// removes the colours again. The colours are an overlay on the editor control, made from
// one pass over the text: the text, its undo history, its selection and its changed marks
// never change. The colouring is on exactly while its overlay is shown: whatever drops the
// overlay (a changed text, another document shown) switches it off, so one F12 always
// colours again.

class CommandContext;

class Colouring
{
public:
    explicit Colouring(CommandContext& context);

    bool ColorizeOn() const;
    // Switches the colouring on or off.
    void ColorizeHTML();

private:
    CommandContext& m_context;
};
