#pragma once

// "HTML Matrix": the page matrices of the program folder listed, previewed as pages or as
// source, added and deleted; Open leaves with the selected matrix.

#include "design/matrices.h"

#include <QDialog>

#include <array>

class Browser;
class QListWidget;
class QPlainTextEdit;
class QToolButton;
class QUrl;

class frmMatrix : public QDialog
{
    Q_OBJECT

public:
    // Reads the matrix folder; no entry is selected and neither view is shown.
    explicit frmMatrix(QWidget* owner);
    ~frmMatrix() override;

    // Shows a fresh window modally: the path of the matrix the user opened, or "" when the
    // user left without one.
    static QString matrica(QWidget* owner);
    QString MatrixResult() const { return m_result; }

    // What the preview may load: existing local files only, also from links inside a
    // matrix; web addresses, missing files and folders never load.
    static bool mayLoad(const QUrl& address);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class ViewMode { None, Page, Source };

    void List1_Click(int row);
    void COK_Click(int index);
    void Browse();
    void AddMatrixFile();
    void DeleteMatrix();
    void ShowMatrixSource();
    void showList();
    void enableSelectionButtons(bool enabled);
    void preview(const QString& path);
    void hideViews();

    MatrixList m_list;
    QString m_result;
    ViewMode m_viewMode = ViewMode::None;
    int m_rowAtPress = -1; // the list's selected row when the mouse was last pressed on it

    QListWidget* List1;
    Browser* WBR; // its web engine starts at the first preview
    QPlainTextEdit* Text1;
    std::array<QToolButton*, 6> COK{};
};
