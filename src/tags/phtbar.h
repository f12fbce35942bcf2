#pragma once

// The tag toolbar above the editor: 27 buttons of 24 pixels drawn from one picture strip,
// a raised edge on the button under the mouse and a sunken one while it is pressed, the
// hint of that button in the first status panel, and what each button does
// (htmlbarklick), which the editor's Alt shortcuts call too. A click acts only when the
// mouse button is released on the bar, over one of the 27 buttons.

#include "core/tagbuttons.h"

#include <QPixmap>
#include <QWidget>

class CommandContext;

class PHTbar : public QWidget, public TagButtons
{
    Q_OBJECT

public:
    PHTbar(CommandContext& context, QWidget* parent);

    void htmlbarklick(int code) override;
    // Shows the hint of the button with that index (-1 none) in the first status panel.
    void butinfo(int index);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void DrawButtonEdge(int button, bool pressed);
    void PHTbar_Click();
    void leaveBar();
    QString pickerAnswer(int code, const QPoint& screenTopLeft);
    // Runs a selection conversion of the edit menu; false when there is nothing to convert.
    bool convertSelection(QLatin1String command);
    void toggleDecodedView();

    CommandContext& m_context;
    QPixmap m_faces;
    qint16 HotButton = -1;     // the button under the mouse: -1 none, 30 just after a click
    qint16 PressedButton = -1; // the button the mouse button was released on, -1 off the bar
    int m_edgeButton = -1;     // the button drawn with an edge, -1 none
    bool m_edgeSunken = false;
};
