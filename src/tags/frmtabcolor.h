#pragma once

// The colour and table picker: one small modal window with two uses, chosen by the function
// that opens it. colorload shows the 216 web colours and answers with the chosen colour in
// the form the output options choose; tabload shows a 10 by 10 grid on which the user drags
// out a table's size, with three border styles.

#include "tags/pickerdata.h"

#include <QDialog>
#include <QPoint>

#include <array>
#include <optional>

class QFrame;
class QLabel;
class QMouseEvent;
class QPushButton;
class QRadioButton;

class frmTabColor : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Colour, Table };

    // Opens the colour picker with its top-left corner at a point of the screen: the colour
    // as "BGCOLOR=..", "COLOR=..", a FONT tag with "$" for the selection, or bare colour
    // text; "" when it was closed without a choice.
    static QString colorload(QWidget* owner, const QPoint& screenTopLeft);
    // Opens the table picker there: the zero-based column and row of the dragged block's
    // last cell and the style digit, "c|r|s"; "" when it was closed without a choice.
    static QString tabload(QWidget* owner, const QPoint& screenTopLeft);

    // The window of one opening; its fields start empty.
    frmTabColor(Mode mode, QWidget* owner);

    // What the window answers once it has closed.
    QString result() const { return m_result; }

    // Close (MBklose), the close box and Esc: both results are "".
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell
    {
        double x = 0; // the point in cell units
        double y = 0;
        int column = 0; // cut toward zero
        int row = 0;
    };

    void buildColourPicker();
    void buildTablePicker();
    Cell cellAt(const QPoint& position) const;

    void PP_MouseDown(const QMouseEvent& event);
    void PP_MouseMove(const QMouseEvent& event);
    void PP_MouseUp(const QMouseEvent& event);
    void highlightColourCell(const Cell& cell);
    void showTableBlock(int lastColumn, int lastRow);
    void hideTableBlock();
    void choose(const QString& answer);
    ColourForm chosenForm() const;
    void Ckolor_Click();

    Mode m_mode;
    QLabel* PP; // the palette or the grid
    QFrame* SP; // the cell under the mouse, or the dragged table block
    QLabel* Label1;
    QLabel* LBtabcount;
    QRadioButton* OPbgcolor = nullptr;
    QRadioButton* OPcolor = nullptr;
    QRadioButton* OPfontcolor = nullptr;
    QRadioButton* Opnotag = nullptr;
    std::array<QRadioButton*, 3> Op1{};
    QPushButton* Ckolor = nullptr;
    QPushButton* MBklose;

    QString m_result;
    TableStyle m_style = TableStyle::NoBorder;
    std::optional<QPoint> m_colourCell; // the palette cell the highlight stands on
    std::optional<QPoint> m_block;      // the last cell of the table block shown
};
