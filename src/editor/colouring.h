#pragma once

// The editor's HTML colouring: F12 shows the source in colour, F12 or any other key
// removes the colours again. The colours are an overlay on the editor control, made from
// one pass over the text: the text, its undo history, its selection and its changed marks
// never change. Showing another document drops the overlay, but the colouring counts as on
// until the next key switches it off.

class CommandContext;

class Colouring
{
public:
    explicit Colouring(CommandContext& context);

    bool ColorizeOn() const { return m_on; }
    // Switches the colouring on or off.
    void ColorizeHTML();

private:
    CommandContext& m_context;
    bool m_on = false;
};
