#pragma once

// The recent-files window "Recent Files", shown modally: the list of recently opened files,
// newest first, to pick one from or to open another through the open dialog; its menu
// deletes an entry, opens an entry's folder in the desktop's file manager or empties the
// list. Its check box says whether the window shows at start-up.

#include <QDialog>

class CommandContext;
class QCheckBox;
class QMenu;
class QPushButton;
class QTreeWidget;

class frmrecentfile : public QDialog
{
    Q_OBJECT

public:
    explicit frmrecentfile(CommandContext& context);

    // Shows the window over the main window and gives the path the user picked; "" when the
    // user left without a choice (also through the window's frame).
    QString recentopen();

private:
    void buildControls();
    void Form_Load();
    void COK_Click();
    void Copen_Click();
    void CKonstart_Click();
    void mnudelet_Click();
    void mnufoldop_Click();
    void mnucler_Click();
    // The path of the selected row; "" when no row is selected.
    QString selectedPath() const;
    void pick(const QString& path);
    bool eventFilter(QObject* watched, QEvent* event) override;

    CommandContext& m_context;
    QString m_result;
    bool m_loading = false;

    QTreeWidget* LV;
    QPushButton* Copen;
    QPushButton* COK;
    QPushButton* CEXIT;
    QCheckBox* CKonstart;
    QMenu* mnupopup;
};
