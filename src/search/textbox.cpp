#include "search/textbox.h"

#include "platform/editorcontrol.h"

EditorControl* makeTextBox(QWidget* parent, const char* name, int lines)
{
    auto* box = new EditorControl(parent);
    box->setObjectName(QLatin1String(name));
    box->setTabChangesFocus(true);
    box->setContextMenuPolicy(Qt::DefaultContextMenu);
    if (lines == 1) {
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    fitTextBoxHeight(*box, lines);
    return box;
}

void fitTextBoxHeight(EditorControl& box, int lines)
{
    const int frame = 2 * box.frameWidth();
    const int margins = int(2 * box.document()->documentMargin());
    box.setFixedHeight(lines * box.fontMetrics().lineSpacing() + frame + margins);
}
