#pragma once

// The entity picker: a modal grid of 70 named HTML character entities, 7 to a row. A press
// on a cell chooses its entity and the click closes the window.

#include <QDialog>
#include <QPoint>

#include <optional>

class QFrame;
class QLabel;
class QMouseEvent;
class QToolButton;

class frmasos : public QDialog
{
    Q_OBJECT

public:
    // Opens the picker with its top-left corner at a point of the screen: the chosen cell's
    // text ("&copy;" .. ":-)"), or "" when it was closed without a choice.
    static QString asos(QWidget* owner, const QPoint& screenTopLeft);

    explicit frmasos(QWidget* owner);

    QString result() const { return m_result; }

    // CEXIT, the close box and Esc answer "".
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The cell under a point of the grid; nothing off the grid.
    std::optional<QPoint> cellAt(const QPoint& position) const;
    void Picture1_MouseDown(const QMouseEvent& event);
    void Picture1_MouseMove(const QMouseEvent& event);
    void Picture1_MouseUp(const QMouseEvent& event);

    QLabel* Picture1;
    QFrame* SP;
    QToolButton* CEXIT;
    QString m_result;
};
