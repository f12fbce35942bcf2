#pragma once

// The wrap-template window "Temp Formats": a template's name and the texts before and after
// the selection; ADD adds a template or updates the one chosen for editing (double click
// in the list), Remove removes the chosen one, and the templates are loaded from and saved
// to .TFF files. One instance, modeless, owned by the main window; it works on the
// program's templates, whose every change rebuilds the templates menu.

#include <QWidget>

class CommandContext;
class EditorControl;
class QListWidget;
class QPushButton;
class TFormatList;

class frmtempformat : public QWidget
{
    Q_OBJECT

public:
    frmtempformat(CommandContext& context, TFormatList& templates);

    // List1 as the templates stand, the current row kept where it still is.
    void showTemplates();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Tsaxeli_Change();
    void Tsaxeli_KeyPress(int& keyAscii);
    void List1_Click();
    void List1_DblClick();
    void Cadd_Click();
    void COK_Click();
    void Cremove_Click();
    void Copen_Click();
    void Csave_Click();
    void Form_Unload();
    QString typedName() const;

    CommandContext& m_context;
    TFormatList& m_templates;

    EditorControl* Tsaxeli;
    EditorControl* Tfor;
    EditorControl* Tnach;
    QListWidget* List1;
    QPushButton* Cadd;
    QPushButton* COK;
    QPushButton* Cremove;
    QPushButton* Copen;
    QPushButton* Csave;
    QPushButton* CEXIT;
};
