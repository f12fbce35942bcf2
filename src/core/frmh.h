#pragma once

#include "core/startup.h"

#include <QMainWindow>

// The main window. For now the frame that start-up hands over to: it loads once, shows
// maximised when the options ask for it, and takes the start-up entry points.
class FrmH : public QMainWindow, public StartTarget
{
    Q_OBJECT

public:
    explicit FrmH(QWidget* parent = nullptr);

    void showPlain() override;
    // "NOMAX" shows the window not maximised, whatever the options say.
    void commandladenforma(const QString& mode) override;
    // Shows the window; opening the files themselves comes with the document commands.
    void comandopen(const QString& first, const QString& second) override;

private:
    void ensureLoaded();
    void Form_Load();

    bool m_loaded = false;
};
