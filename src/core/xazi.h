#pragma once

// The program's separator between groups of controls: an etched line of a dark and a light
// line side by side. Across (mimarTuleba not 0) it is always 30 twips (2 pixels) high and
// its lines run its whole width; upright (mimarTuleba 0) it is 30 twips wide and its lines
// run its whole height. Dialogs keep the direction under the property "mimarTuleba".

#include <QLine>
#include <QWidget>

#include <array>

class xazi : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int mimarTuleba READ mimarTuleba WRITE setMimarTuleba)

public:
    explicit xazi(QWidget* parent = nullptr, int mimarTuleba = 0);

    int mimarTuleba() const { return m_mimarTuleba; }
    // Turns the line at once.
    void setMimarTuleba(int direction);
    bool across() const { return m_mimarTuleba != 0; }

    // The dark line, then the light one, in the control's pixels.
    std::array<QLine, 2> lines() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_mimarTuleba = 0;
};
