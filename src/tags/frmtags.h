#pragma once

// The tag and font picker: a modal list window. Tagsload lists the HTML tag templates the
// program carries and answers with the chosen template ("^!" where the selected text
// goes); fontebisdatenva lists the installed fonts and answers with the chosen name.

#include "tags/tagtemplates.h"

#include <QDialog>
#include <QHash>
#include <QPoint>
#include <QStringList>

class QListWidget;
class QPushButton;

class frmTags : public QDialog
{
    Q_OBJECT

public:
    // Both open with the window's top-left corner at a point of the screen (under the tag
    // toolbar) and answer "" when the window was closed without OK.
    static QString Tagsload(QWidget* owner, const QPoint& screenTopLeft);
    static QString fontebisdatenva(QWidget* owner, const QPoint& screenTopLeft);

    explicit frmTags(QWidget* owner);

    // Fills the list with the templates' names, in the order given, each item carrying its
    // entry number, and chooses the first.
    void showTemplates(const QList<TagTemplate>& templates);
    // Fills the list with font names, sorted without regard to case, and chooses the first.
    void showFonts(QStringList families);

    QString result() const { return m_result; }

    // EXIT, the close box and Esc answer "".
    void reject() override;

private:
    enum class Mode { Templates = 1, Fonts = 2 };

    void List1_Click();

    QListWidget* List1;
    QPushButton* MBOK;
    QPushButton* MBexit;

    Mode m_mode = Mode::Templates;
    QHash<qsizetype, QString> m_templates; // by entry number
    QString m_result;
};
