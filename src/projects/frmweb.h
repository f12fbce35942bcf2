#pragma once

// The new-project wizard "New WEB": the project's name and folder and a list of its files,
// new pages and existing files to copy in. Creating writes the pages, copies the files and
// writes the project's list, after asking once about every file it would replace, and then
// opens the project. The wizard is modeless; the main window is disabled while it is open
// and enabled again on every way out. Nothing of it survives its closing.

#include "projects/projectwizard.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

class ProjectCommands;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;

class frmWEB : public QWidget
{
    Q_OBJECT

public:
    explicit frmWEB(ProjectCommands& projects);
    ~frmWEB() override;

    // Shows the wizard over owner and disables owner until the wizard closes.
    void showOver(QWidget& owner);

    // The list as it stands, in its order.
    std::vector<WizardItem> items() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_QueryUnload();
    void COK_Click(int index);
    void COK_MouseMove(int index);
    void clearHint();
    void Tpname_Change();
    void Tpname_LostFocus();
    void LV_KeyUp(int key);
    void LV_MouseUp();
    void mnuLE_Click(int index);
    void LV_BeforeLabelEdit();
    void LV_AfterLabelEdit(int row, const QString& typed);

    void addItem(const WizardItem& item);
    void showItems(const std::vector<WizardItem>& items, const QString& selectedText);
    void newPage();
    void addFiles();
    void removeSelected();
    void chooseFolder();
    void SortFileList();
    void CreateProject();
    void tellRefusal(const CreationPlan& plan);

    ProjectCommands& m_projects;
    QPointer<QWidget> m_owner; // the window disabled while the wizard is open
    int m_hint = 6;            // the button whose hint is shown; 6 for none
    QListWidgetItem* m_editedItem = nullptr;
    QString m_oldText; // the edited item's text when its edit began

    QLineEdit* Tpname;
    QLineEdit* Twebpath;
    QListWidget* LV;
    std::array<QPushButton*, 6> COK{};
    QLabel* LBinfo;
    QMenu* mnuobSi;
};
