#pragma once

// One numbered line of the list-replace window: its number and its replacement string, in
// a box with the search text's font. The line looks selected while its box has the focus,
// and tells when it becomes selected.

#include <QWidget>

class EditorControl;
class QLabel;
struct FontRecord;

class linsuch : public QWidget
{
    Q_OBJECT

public:
    explicit linsuch(QWidget* parent = nullptr);

    qint16 nomeri() const { return m_nomeri; }
    void setNomeri(qint16 number);
    QString cvlastring() const;
    void setCvlastring(const QString& text);
    // The font of the string's box: its name, character set and the display map that goes
    // with them.
    void setTextFont(const FontRecord& font);
    bool isSelected() const { return m_selected; }
    // The focus goes to the string's box, which selects the line.
    void takeFocus();

signals:
    void selected();
    // The user changed the string.
    void cvlastringChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setSelectedLook(bool selected);

    QLabel* LN;
    EditorControl* T2;
    qint16 m_nomeri = 0;
    bool m_selected = false;
};
