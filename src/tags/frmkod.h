#pragma once

// The letter grid: a modeless window beside the main window with 24 labels for the Russian
// letters the keyboard mapping cannot type from a single Latin key. A click writes the
// letter (its Windows-1251 byte) over the editor's selection and leaves it selected, so that
// a second click replaces it.

#include <QWidget>

#include <array>

class CommandContext;
class QLabel;

class frmkod : public QWidget
{
    Q_OBJECT

public:
    explicit frmkod(CommandContext& context);

    void Label1_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CommandContext& m_context;
    std::array<QLabel*, 24> Label1{};
};
