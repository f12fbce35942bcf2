#include "support/fakecontext.h"

#include <QMenuBar>

FakeContext::FakeContext()
    : T1(new EditorControl(&frame)), TV(new QTreeWidget(&frame)), editorText(*T1),
      state(editorText), menus(*frame.menuBar(), frame)
{}

void FakeContext::setStatus(StatusPanel panel, const QString& text)
{
    panels[size_t(panel)] = text;
}

bool FakeContext::showPicture(const QString& path)
{
    pictures << path;
    return picturesShow;
}
